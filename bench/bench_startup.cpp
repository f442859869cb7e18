// Times the game's start-up as the program does it, side by side in three
// ways: as before translations (no translation looked for), in English (the
// desktop's language looked up, nothing loaded) and in German (the game's
// and Qt's .qm files loaded). Each start makes the window with its skin and
// closes it again; the three ways take turns so that the machine's load
// falls on all of them alike. Prints the median and the fastest of each.
// Run headless on one core:
//
//   QT_QPA_PLATFORM=offscreen taskset -c 0 bench_startup PROGRAM_FOLDER [ROUNDS]

#include "bench/benchfolder.h"
#include "game/frmMain.h"
#include "game/modMain.h"
#include "model/programfolder.h"
#include "ui/translations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace quill;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: bench_startup PROGRAM_FOLDER [ROUNDS]\n");
        return 2;
    }
    const int rounds = args.size() > 1 ? args[1].toInt() : 40;
    QTemporaryDir copy;
    bench::copyFolder(args[0], copy.path());
    QFile::remove(joinPath(copy.path(), QStringLiteral("qlm.ini")));

    struct Way {
        const char* name;
        const char* locale;  // nullptr: no translation looked for
        std::vector<double> ms;
    };
    std::vector<Way> ways{{"before", nullptr, {}}, {"English", "en_US", {}}, {"German", "de_DE", {}}};
    for (int round = -1; round < rounds; ++round) {
        for (Way& way : ways) {
            installTranslations(copy.path(), QLocale(QStringLiteral("en_US")));
            QElapsedTimer timer;
            timer.start();
            if (way.locale)
                installTranslations(copy.path(), QLocale(QString::fromLatin1(way.locale)));
            std::unique_ptr<frmMain> window = modMain::Start(copy.path());
            QApplication::processEvents();
            const double ms = timer.nsecsElapsed() / 1e6;
            if (!window)
                return 1;
            if (round >= 0)  // the first round warms the caches
                way.ms.push_back(ms);
        }
    }
    for (Way& way : ways) {
        std::sort(way.ms.begin(), way.ms.end());
        std::printf("%-8s median %7.2f ms  fastest %7.2f ms  (%d starts)\n", way.name, way.ms[way.ms.size() / 2],
                    way.ms.front(), int(way.ms.size()));
    }
    // The German start's extra: the two .qm files alone.
    std::vector<double> loads;
    for (int round = 0; round < rounds; ++round) {
        installTranslations(copy.path(), QLocale(QStringLiteral("en_US")));
        QElapsedTimer timer;
        timer.start();
        installTranslations(copy.path(), QLocale(QStringLiteral("de_DE")));
        loads.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(loads.begin(), loads.end());
    std::printf("loading the German .qm files alone: median %.3f ms\n", loads[loads.size() / 2]);
    return 0;
}
