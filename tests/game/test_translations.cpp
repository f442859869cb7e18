// The game in the player's language: the translations beside the
// executables are loaded for the desktop's language, Qt's own texts with
// them, and English leaves every text as written.
#include "game/howtoplay.h"
#include "tests/game/gamefixture.h"
#include "ui/translations.h"

#include <QMenu>

using namespace quill;
using namespace quill::test;
using Answer = UserDialogs::Answer;

class TestTranslations : public QObject {
    Q_OBJECT

    QString binFolder() const { return qEnvironmentVariable("QUILL_BIN_DIR"); }

private slots:
    void cleanup() { installTranslations(binFolder(), QLocale(QStringLiteral("en_US"))); }

    void gameSpeaksTheDesktopsLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("German") << "de_DE" << "de"
                                << QStringList{"&Datei", "&Spiel", "&Hilfe", "&Neues Spiel", "Level neu &starten",
                                               "Quillmere - Level neu starten",
                                               "Möchtest du das aktuelle Spiel speichern?", "Züge: 1", "&Ja",
                                               "qlm.de.html"};
        QTest::newRow("English") << "en_GB" << ""
                                 << QStringList{"&File", "&Game", "&Help", "&New Game", "Re&start Level",
                                                "Quillmere - Restart Level",
                                                "Would you like to save the current game?", "Steps: 1", "&Yes",
                                                "qlm.html"};
    }

    void gameSpeaksTheDesktopsLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QStringList, texts);
        QCOMPARE(installTranslations(binFolder(), QLocale(locale)), language);
        QCOMPARE(translationLanguage(), language);

        StartedGame game;
        frmMain& w = *game.window;
        game.newGame(4);
        game.dragCells(7, {{2, 3}, {2, 4}});
        game.dialogs.answers << Answer::Cancel;
        w.mnuRestart->trigger();
        const QStringList shown{w.mnuFile->title(),
                                w.mnuGame->title(),
                                w.mnuHelp->title(),
                                w.mnuNewGame->text(),
                                w.mnuRestart->text(),
                                game.dialogs.messages.last().title,
                                game.dialogs.messages.last().text,
                                w.picBoard->lblSteps->text(),
                                QCoreApplication::translate("QPlatformTheme", "&Yes"),
                                HelpPageName(binFolder())};
        QCOMPARE(shown, texts);
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
