// Times what a start of the game spends on its skin: loading each skin of a
// program folder and cutting it into the board's sixteen pictures, at the
// device pixel ratios asked for, and the whole start of the game (window
// made, skin applied, window shown) in a temporary copy of the folder.
// Prints the median of many runs. Run headless:
//
//   QT_QPA_PLATFORM=offscreen bench_skins PROGRAM_FOLDER [RATIO...]

#include "bench/benchfolder.h"
#include "game/frmMain.h"
#include "game/modMain.h"
#include "game/skin/pictureclip.h"
#include "game/skin/skinlayout.h"
#include "model/programfolder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace quill;

namespace {

template <typename Run>
double medianMs(int runs, Run run)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: bench_skins PROGRAM_FOLDER [RATIO...]\n");
        return 2;
    }
    const QString folder = args[0];
    QList<qreal> ratios;
    for (const QString& ratio : args.mid(1))
        ratios << ratio.toDouble();
    if (ratios.isEmpty())
        ratios << 1.0;
    const QString skins = joinPath(folder, QStringLiteral("skins"));
    const QStringList names = QDir(skins).entryList(QString(kSkinPattern).split(u';'), QDir::Files, QDir::Name);
    for (const qreal ratio : ratios) {
        for (const QString& name : names) {
            bool ok = true;
            const double ms = medianMs(15, [&] {
                QString error;
                const std::optional<PictureClip> clip = loadSkin(joinPath(skins, name), ratio, &error);
                ok = ok && clip.has_value();
                for (std::size_t i = 0; ok && i < kSkinLayout.size(); ++i)
                    ok = clip->clip(kSkinLayout[i].rect).has_value();
            });
            std::printf("ratio %.2f  %-12s load and cut %7.2f ms%s\n", ratio, qPrintable(name), ms,
                        ok ? "" : "  FAILED");
        }
    }
    QTemporaryDir copy;
    bench::copyFolder(folder, copy.path());
    // The default skin, whatever the folder's settings say.
    QFile::remove(joinPath(copy.path(), QStringLiteral("qlm.ini")));
    const double start = medianMs(9, [&] {
        std::unique_ptr<frmMain> window = modMain::Start(copy.path());
        QApplication::processEvents();
    });
    std::printf("start of the game (default skin, window shown): %.2f ms\n", start);
    return 0;
}
