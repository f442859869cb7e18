#include "tests/e2e/e2efixture.h"

#include <QtTest>

namespace quill::e2e {

void E2eTest::init()
{
    session = std::make_unique<Session>();
    QUILL_E2E_OK(session->problem());
    if (accessibility_)
        QUILL_E2E_OK(session->desktop().startAccessibility());
    QVERIFY(readLevelFile(session->folder().file(QStringLiteral("QLM.ZHN")), levels).ok());
}

void E2eTest::cleanup()
{
    session->leaveScreenshotIfFailed();
    ui.reset();
    game = nullptr;
    session.reset();
}

Program& E2eTest::launchGame(Player player)
{
    game = &session->start(QStringLiteral("Quillmere"), player);
    return *game;
}

Problem E2eTest::startGame(Player player)
{
    launchGame(player);
    if (Problem p = game->startProblem(); !p.isEmpty())
        return p;
    ui = std::make_unique<GameUi>(session->desktop(), *game);
    return ui->attach();
}

Problem E2eTest::startLevelOne(Player player)
{
    if (Problem p = startGame(player); !p.isEmpty())
        return p;
    return ui->newGame(0, levelLine(levels, 0));
}

QImage E2eTest::skinOfFolder(const QString& name) const
{
    return skinPicture(session->folder().file(QStringLiteral("skins/") + name));
}

}  // namespace quill::e2e
