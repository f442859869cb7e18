#include "game/frmAbout.h"
#include "game/frmFile.h"
#include "game/frmMain.h"
#include "game/skin/skinlayout.h"
#include "tests/game/gamedriver.h"
#include "tests/game/gamefixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

using namespace quill;
using namespace quill::test;
using Icon = UserDialogs::Icon;
using Buttons = UserDialogs::Buttons;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

QColor textColour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

QImage shownImage(const QLabel* picture)
{
    return picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage skinImage(const frmMain& w, const QRect& rect)
{
    const std::optional<QImage> part = w.picBoard->piclipSkin.clipImage(rect);
    return part ? part->convertToFormat(QImage::Format_RGB32) : QImage();
}

QRect regularRect(int piece)
{
    for (const SkinCut& cut : kSkinLayout) {
        if (cut.target == SkinTarget::Piece && cut.piece == piece)
            return cut.rect;
    }
    return {};
}

// Whether every piece picture shows its regular cut, or (alternative) the
// principal piece and the singles show the skin's second pictures.
bool showsPictures(const frmMain& w, bool alternative)
{
    for (int i = 0; i < kPieceCount; ++i) {
        QRect rect = regularRect(i);
        if (alternative && i == 0)
            rect = kAltSquareRect;
        if (alternative && i >= 6)
            rect = kAltSingleRect;
        if (shownImage(w.picBoard->imgPieces[i]) != skinImage(w, rect))
            return false;
    }
    return true;
}

// One press of the hidden sequence, written "E:CA" (e-mail link, Ctrl and
// Alt), "U:-" (updates link, no keys), "Q:CS:R" (picture, Ctrl and Shift,
// right button).
struct Press {
    QChar target;
    Qt::KeyboardModifiers keys;
    Qt::MouseButton button = Qt::LeftButton;
};

QList<Press> parsePresses(const QString& script)
{
    QList<Press> presses;
    for (const QString& word : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = word.split(QLatin1Char(':'));
        Press press{parts[0][0], Qt::NoModifier};
        for (QChar key : parts.value(1)) {
            if (key == QLatin1Char('C'))
                press.keys |= Qt::ControlModifier;
            else if (key == QLatin1Char('A'))
                press.keys |= Qt::AltModifier;
            else if (key == QLatin1Char('S'))
                press.keys |= Qt::ShiftModifier;
            else if (key == QLatin1Char('M'))
                press.keys |= Qt::MetaModifier;
            else if (key == QLatin1Char('K'))
                press.keys |= Qt::KeypadModifier;
        }
        if (parts.value(2) == QLatin1String("R"))
            press.button = Qt::RightButton;
        else if (parts.value(2) == QLatin1String("M"))
            press.button = Qt::MiddleButton;
        presses << press;
    }
    return presses;
}

// Presses and releases the mouse on the control, with the keys held.
void pressOn(QWidget* control, Qt::KeyboardModifiers keys, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint centre = control->rect().center();
    QTest::mousePress(control, button, keys, centre);
    QTest::mouseRelease(control, button, keys, centre);
}

void runPresses(frmAbout* about, const QList<Press>& presses)
{
    for (const Press& press : presses) {
        QWidget* target = press.target == QLatin1Char('E')   ? static_cast<QWidget*>(about->lblEmail)
                          : press.target == QLatin1Char('U') ? static_cast<QWidget*>(about->lblUpdates)
                                                             : static_cast<QWidget*>(about->imgQuill);
        pressOn(target, press.keys, press.button);
    }
}

// Opens the About box, runs `act` on it and closes it with OK.
bool withAboutBox(frmMain& w, const std::function<void(frmAbout*)>& act)
{
    return runWithModal<frmAbout>([&] { w.mnuAbout->trigger(); }, [&](frmAbout* about) {
        act(about);
        QTest::mouseClick(about->cmdOk, Qt::LeftButton);
    });
}

int eggMessages(const ScriptedDialogs& dialogs)
{
    int count = 0;
    for (const auto& m : dialogs.messages) {
        if (m.title == QLatin1String("Quillmere - Easter Egg"))
            ++count;
    }
    return count;
}

}  // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    // The box
    void aboutBoxShowsVersionLinksAndPicture();
    void linksTurnRedWhenPressedUntilTheBoxCloses();
    void linksShowTheHandPointer();

    // The links
    void linkClicksOpenTheirAddresses();
    void doubleClickOnALinkOpensItOnce();
    void enterAndSpaceOnTheFocusedOkCloseTheBox_data();
    void enterAndSpaceOnTheFocusedOkCloseTheBox();
    void linkFailureMessage_data();
    void linkFailureMessage();

    // The hidden sequence
    void keySequence_data();
    void keySequence();
    void reopeningStartsTheSequenceAgain();
    void setSkinRestoresTheRegularPictures();

    // How to Play
    void howToPlayOpensTheHelpPage();
    void howToPlayFindsThePageWithoutRegardToCase();
    void howToPlayFailure_data();
    void howToPlayFailure();
};

void TestAbout::aboutBoxShowsVersionLinksAndPicture()
{
    StartedGame game;
    frmMain& w = *game.window;
    QVERIFY(withAboutBox(w, [&](frmAbout* about) {
        QCOMPARE(about->windowTitle(), QStringLiteral("About"));
        QCOMPARE(about->size(), QSize(372, 128));
        QCOMPARE(about->parentWidget(), &w);
        QVERIFY(about->isModal());
        const QStringList lines = about->lblProd->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Quillmere Version 1.01"));
        QCOMPARE(lines[1], QString());
        QVERIFY2(lines[2].startsWith(QStringLiteral("Copyright")), qPrintable(lines[2]));
        QCOMPARE(about->lblEmail->text(), QStringLiteral("Email: quillmere@example.org"));
        QCOMPARE(about->lblUpdates->text(),
                 QStringLiteral("Updates:  https://quillmere.example.org/updates"));
        for (QLabel* link : {about->lblEmail, about->lblUpdates}) {
            QCOMPARE(textColour(link), kBlue);
            QVERIFY(link->font().underline());
            QCOMPARE(link->font().pointSizeF(), 8.25);
        }
        QCOMPARE(about->lblEmail->geometry(), QRect(16, 64, 177, 17));
        QCOMPARE(about->lblUpdates->geometry(), QRect(16, 96, 337, 17));
        QCOMPARE(about->imgQuill->geometry(), QRect(3, 3, 54, 56));
        QCOMPARE(about->imgQuill->pixmap().size(), QSize(50, 52));
        QCOMPARE(about->cmdOk->text(), QStringLiteral("&OK"));
        QCOMPARE(about->cmdOk->geometry(), QRect(288, 8, 73, 25));
        QCOMPARE(about->eggStage, uint8_t(0));
        QVERIFY(centredOnOwner(about));
    }));
    QVERIFY(game.dialogs.messages.isEmpty());
}

void TestAbout::linksTurnRedWhenPressedUntilTheBoxCloses()
{
    StartedGame game;
    QVERIFY(withAboutBox(*game.window, [](frmAbout* about) {
        QTest::mousePress(about->lblEmail, Qt::RightButton, Qt::ShiftModifier);
        QCOMPARE(textColour(about->lblEmail), kRed);
        QCOMPARE(textColour(about->lblUpdates), kBlue);
        QTest::mouseRelease(about->lblEmail, Qt::RightButton, Qt::ShiftModifier);
        QCOMPARE(textColour(about->lblEmail), kRed);
        pressOn(about->lblUpdates, Qt::ControlModifier | Qt::AltModifier, Qt::MiddleButton);
        QCOMPARE(textColour(about->lblUpdates), kRed);
    }));
    QVERIFY(withAboutBox(*game.window, [](frmAbout* about) {
        QCOMPARE(textColour(about->lblEmail), kBlue);
        QCOMPARE(textColour(about->lblUpdates), kBlue);
    }));
    // Right and middle clicks are presses, not link clicks.
    QVERIFY(game.dialogs.opened.isEmpty());
}

void TestAbout::linksShowTheHandPointer()
{
    StartedGame game;
    QVERIFY(withAboutBox(*game.window, [](frmAbout* about) {
        QVERIFY(!about->lblEmail->testAttribute(Qt::WA_SetCursor));
        for (QLabel* link : {about->lblEmail, about->lblUpdates}) {
            // Sent to the label itself: the offscreen platform moves its
            // pointer over whichever window it finds first.
            const QPoint centre = link->rect().center();
            QMouseEvent move(QEvent::MouseMove, centre, link->mapToGlobal(centre), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(link, &move);
            QVERIFY(link->testAttribute(Qt::WA_SetCursor));
            QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(link->cursor().hotSpot(), QPoint(5, 0));
            QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32));
        }
    }));
}

void TestAbout::linkClicksOpenTheirAddresses()
{
    StartedGame game;
    QVERIFY(withAboutBox(*game.window, [](frmAbout* about) {
        // Held keys do not stop a click from opening its link.
        pressOn(about->lblEmail, Qt::NoModifier);
        pressOn(about->lblUpdates, Qt::ControlModifier | Qt::AltModifier);
    }));
    QCOMPARE(game.dialogs.opened.size(), 2);
    QCOMPARE(game.dialogs.opened[0].toString(), QStringLiteral("mailto:quillmere@example.org?Subject=Quillmere"));
    QCOMPARE(game.dialogs.opened[1].toString(), QStringLiteral("https://quillmere.example.org/updates"));
    QVERIFY(game.dialogs.messages.isEmpty());
}

void TestAbout::doubleClickOnALinkOpensItOnce()
{
    // Qt 6 delivers a double click as press, release, press, double click,
    // release; older platforms leave out the second press.
    auto send = [](QWidget* link, QEvent::Type type) {
        const QPointF at = link->rect().center();
        QMouseEvent event(type, at, link->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(link, &event);
    };
    using E = QEvent;
    StartedGame game;
    QVERIFY(withAboutBox(*game.window, [&](frmAbout* about) {
        for (QEvent::Type type : {E::MouseButtonPress, E::MouseButtonRelease, E::MouseButtonPress,
                                  E::MouseButtonDblClick, E::MouseButtonRelease})
            send(about->lblEmail, type);
        for (QEvent::Type type : {E::MouseButtonPress, E::MouseButtonRelease, E::MouseButtonDblClick,
                                  E::MouseButtonRelease})
            send(about->lblUpdates, type);
    }));
    QCOMPARE(game.dialogs.opened.size(), 2);
    QCOMPARE(game.dialogs.opened[0].scheme(), QStringLiteral("mailto"));
    QCOMPARE(game.dialogs.opened[1].scheme(), QStringLiteral("https"));
}

void TestAbout::enterAndSpaceOnTheFocusedOkCloseTheBox_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestAbout::enterAndSpaceOnTheFocusedOkCloseTheBox()
{
    QFETCH(int, key);
    StartedGame game;
    bool closed = false;
    QVERIFY(runWithModal<frmAbout>([&] { game.window->mnuAbout->trigger(); }, [&](frmAbout* about) {
        QCOMPARE(about->focusWidget(), about->cmdOk);
        QTest::keyClick(about->cmdOk, Qt::Key(key));
        closed = !about->isVisible();
        if (!closed)
            about->close();
    }));
    QVERIFY(closed);
}

void TestAbout::linkFailureMessage_data()
{
    QTest::addColumn<bool>("email");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("e-mail") << true << QStringLiteral("mailto:quillmere@example.org?Subject=Quillmere")
                            << QStringLiteral("Quillmere - Email")
                            << QStringLiteral("Unable to start your Email agent automatically.\n"
                                              "Please send an Email to quillmere@example.org manually.");
    QTest::newRow("updates") << false << QStringLiteral("https://quillmere.example.org/updates")
                             << QStringLiteral("Quillmere - Updates")
                             << QStringLiteral("Unable to start your web browser automatically.\n"
                                               "Please goto the site https://quillmere.example.org/updates "
                                               "manually.");
}

void TestAbout::linkFailureMessage()
{
    QFETCH(bool, email);
    QFETCH(QString, link);
    QFETCH(QString, title);
    QFETCH(QString, text);
    StartedGame game;
    game.dialogs.openSucceeds = false;
    bool openAfterFailure = false;
    QVERIFY(withAboutBox(*game.window, [&](frmAbout* about) {
        pressOn(email ? about->lblEmail : about->lblUpdates, Qt::NoModifier);
        openAfterFailure = about->isVisible();
    }));
    QVERIFY(openAfterFailure);
    QCOMPARE(game.dialogs.opened.size(), 1);
    QCOMPARE(game.dialogs.opened[0].toString(), link);
    QCOMPARE(game.dialogs.messages.size(), 1);
    const auto& m = game.dialogs.messages.first();
    QCOMPARE(m.title, title);
    QCOMPARE(m.text, text);
    QCOMPARE(m.icon, Icon::Information);
    QCOMPARE(m.buttons, Buttons::Ok);
}

void TestAbout::keySequence_data()
{
    QTest::addColumn<QString>("presses");
    QTest::addColumn<int>("eggs");
    QTest::addColumn<int>("stage");
    QTest::newRow("the sequence") << QStringLiteral("E:CA U:CA Q:C") << 1 << 3;
    QTest::newRow("the updates link alone") << QStringLiteral("U:CA Q:C") << 0 << 0;
    QTest::newRow("links in the wrong order") << QStringLiteral("U:CA E:CA Q:C") << 0 << 2;
    QTest::newRow("Ctrl and Shift on the picture, then Ctrl alone") << QStringLiteral("E:CA U:CA Q:CS Q:C") << 1 << 3;
    QTest::newRow("plain presses on the links in between") << QStringLiteral("E:CA E:- U:- U:CA E:- U:S Q:C") << 1 << 3;
    QTest::newRow("Ctrl+Alt on the e-mail link at stage 3") << QStringLiteral("E:CA U:CA E:CA Q:C") << 0 << 2;
    QTest::newRow("Ctrl alone on the links") << QStringLiteral("E:C U:C Q:C") << 0 << 0;
    QTest::newRow("Alt alone on the links") << QStringLiteral("E:A U:A Q:C") << 0 << 0;
    QTest::newRow("Ctrl+Alt+Shift on the e-mail link") << QStringLiteral("E:CAS U:CA Q:C") << 0 << 0;
    QTest::newRow("Ctrl+Alt+Shift on the updates link") << QStringLiteral("E:CA U:CAS Q:C") << 0 << 2;
    QTest::newRow("Ctrl+Alt on the picture") << QStringLiteral("E:CA U:CA Q:CA") << 0 << 3;
    // Only Shift, Ctrl and Alt count: Meta (Super) and the keypad flag do not.
    QTest::newRow("Ctrl+Meta on the picture") << QStringLiteral("E:CA U:CA Q:CM") << 1 << 3;
    QTest::newRow("Meta and keypad flags on the links") << QStringLiteral("E:CAM U:CAK Q:CK") << 1 << 3;
    QTest::newRow("no keys on the picture") << QStringLiteral("E:CA U:CA Q:-") << 0 << 3;
    QTest::newRow("the picture first") << QStringLiteral("Q:C E:CA U:CA") << 0 << 3;
    QTest::newRow("any mouse button") << QStringLiteral("E:CA:R U:CA:M Q:C:R") << 1 << 3;
    QTest::newRow("updates pressed twice") << QStringLiteral("E:CA U:CA U:CA Q:C") << 1 << 3;
    QTest::newRow("every further Ctrl-press repeats it") << QStringLiteral("E:CA U:CA Q:C Q:C") << 2 << 3;
}

void TestAbout::keySequence()
{
    QFETCH(QString, presses);
    QFETCH(int, eggs);
    QFETCH(int, stage);
    StartedGame game;
    frmMain& w = *game.window;
    game.newGame(0);
    QVERIFY(showsPictures(w, false));
    // The skin must carry second pictures that differ, or nothing is seen.
    QVERIFY(skinImage(w, kAltSquareRect) != skinImage(w, regularRect(0)));
    QVERIFY(skinImage(w, kAltSingleRect) != skinImage(w, regularRect(6)));
    const Positions before = w.session().board().PiecePositions();
    // The pictures are swapped by the time the message says so.
    bool swappedAtEveryMessage = true;
    game.dialogs.onMessage = [&](const ScriptedDialogs::Message&) {
        swappedAtEveryMessage = swappedAtEveryMessage && showsPictures(w, true);
    };
    int finalStage = -1;
    QVERIFY(withAboutBox(w, [&](frmAbout* about) {
        runPresses(about, parsePresses(presses));
        finalStage = about->eggStage;
    }));
    QCOMPARE(finalStage, stage);
    QCOMPARE(eggMessages(game.dialogs), eggs);
    QCOMPARE(game.dialogs.messages.size(), eggs);
    for (const auto& m : game.dialogs.messages) {
        QCOMPARE(m.text, QStringLiteral("You have found the Easter Egg!"));
        QCOMPARE(m.icon, Icon::Information);
        QCOMPARE(m.buttons, Buttons::Ok);
    }
    QVERIFY(swappedAtEveryMessage);
    QVERIFY(showsPictures(w, eggs > 0));
    // Pictures only: the board and the pieces' places stay.
    QCOMPARE(w.session().board().PiecePositions(), before);
    for (int i = 0; i < kPieceCount; ++i)
        QCOMPARE(w.picBoard->imgPieces[i]->pos(), picturePlace(before[i]));
}

void TestAbout::reopeningStartsTheSequenceAgain()
{
    StartedGame game;
    frmMain& w = *game.window;
    game.newGame(0);
    QVERIFY(withAboutBox(w, [](frmAbout* about) { runPresses(about, parsePresses("E:CA U:CA")); }));
    int stageAtOpen = -1;
    QVERIFY(withAboutBox(w, [&](frmAbout* about) {
        stageAtOpen = about->eggStage;
        runPresses(about, parsePresses("Q:C"));
    }));
    QCOMPARE(stageAtOpen, 0);
    QCOMPARE(eggMessages(game.dialogs), 0);
    QVERIFY(showsPictures(w, false));
}

void TestAbout::setSkinRestoresTheRegularPictures()
{
    StartedGame game;
    frmMain& w = *game.window;
    game.newGame(0);
    QVERIFY(withAboutBox(w, [](frmAbout* about) { runPresses(about, parsePresses("E:CA U:CA Q:C")); }));
    QVERIFY(showsPictures(w, true));

    // New Game keeps the swapped pictures.
    game.newGame(1);
    QVERIFY(showsPictures(w, true));

    QVERIFY(runWithModal<frmFile>([&] { w.mnuSetSkin->trigger(); },
                                  [](frmFile* chooser) { chooseFile(chooser, QStringLiteral("default.bmp")); }));
    QVERIFY(showsPictures(w, false));
    QCOMPARE(eggMessages(game.dialogs), 1);
}

void TestAbout::howToPlayOpensTheHelpPage()
{
    StartedGame game;
    writeAllBytes(game.folder.file("qlm.html"), "<!DOCTYPE html><title>Help</title>");
    game.window->mnuHTP->trigger();
    QCOMPARE(game.dialogs.opened, QList<QUrl>{QUrl::fromLocalFile(game.folder.file("qlm.html"))});
    QVERIFY(game.dialogs.messages.isEmpty());
}

void TestAbout::howToPlayFindsThePageWithoutRegardToCase()
{
    StartedGame game;
    QFile::remove(game.folder.file("qlm.html"));
    writeAllBytes(game.folder.file("QLM.HTML"), "<!DOCTYPE html><title>Help</title>");
    game.window->mnuHTP->trigger();
    QCOMPARE(game.dialogs.opened, QList<QUrl>{QUrl::fromLocalFile(game.folder.file("QLM.HTML"))});
    QVERIFY(game.dialogs.messages.isEmpty());
}

void TestAbout::howToPlayFailure_data()
{
    QTest::addColumn<bool>("pageThere");
    QTest::newRow("no help page") << false;
    QTest::newRow("no program takes it") << true;
}

void TestAbout::howToPlayFailure()
{
    QFETCH(bool, pageThere);
    StartedGame game;
    if (pageThere)
        writeAllBytes(game.folder.file("qlm.html"), "<!DOCTYPE html><title>Help</title>");
    else
        QFile::remove(game.folder.file("qlm.html"));
    game.dialogs.openSucceeds = false;
    game.newGame(2);
    const QString before = gameState(*game.window);
    game.window->mnuHTP->trigger();
    QCOMPARE(game.dialogs.messages.size(), 1);
    const auto& m = game.dialogs.messages.first();
    QCOMPARE(m.title, QStringLiteral("Quillmere - Help"));
    QCOMPARE(m.text, QStringLiteral("Unable to open ") + QDir::toNativeSeparators(game.folder.path())
                         + QStringLiteral("/qlm.html automatically.\nPlease open the file manually."));
    QCOMPARE(m.icon, Icon::Information);
    QCOMPARE(m.buttons, Buttons::Ok);
    QCOMPARE(gameState(*game.window), before);
}

QTEST_MAIN(TestAbout)
#include "test_about.moc"
