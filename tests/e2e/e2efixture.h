#pragma once

// What every end-to-end suite sets up alike: for each test function a fresh
// session (a private X server and a copy of the built program folder), the
// shipped levels read from that folder, the game and its window driver once
// a test starts the game, and a screenshot left behind when a test fails.

#include "model/levelfile.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/gameui.h"

#include <QObject>
#include <memory>

namespace quill::e2e {

class E2eTest : public QObject {
    Q_OBJECT

public:
    // With `accessibility`, each session also runs the accessibility bus, so
    // that the programs expose the tree a screen reader reads.
    explicit E2eTest(bool accessibility = false) : accessibility_(accessibility) {}

private slots:
    void init();
    void cleanup();

protected:
    // Starts the game: `game`.
    Program& launchGame(Player player = Player::Tester);
    // The same, and `ui` attached to its window.
    Problem startGame(Player player = Player::Tester);
    // The same, then New Game on level 1 from the keyboard.
    Problem startLevelOne(Player player = Player::Tester);
    // A skin picture of the session's folder, as the test reads it.
    QImage skinOfFolder(const QString& name = QStringLiteral("default.bmp")) const;

    std::unique_ptr<Session> session;
    LevelTable levels;
    Program* game = nullptr;
    std::unique_ptr<GameUi> ui;

private:
    bool accessibility_;
};

}  // namespace quill::e2e
