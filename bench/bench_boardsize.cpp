// Times a step of the board's size: every picture of the board made again
// for the new size (bitmaps enlarged or reduced and cut, from the skin as
// read once; a metafile's pictures from its last drawing) and every
// picture, mark and label placed, for each skin of a program folder, at the
// device pixel ratio of the run (QT_SCALE_FACTOR). For metafiles it also
// times the drawing at the new size that follows once the size rests.
// Prints the median and the slowest of the steps through the sizes asked
// for. Run headless on one core:
//
//   QT_QPA_PLATFORM=offscreen taskset -c 0 bench_boardsize PROGRAM_FOLDER [SIZE...]
//
// SIZE is in tenths of the usual size (default: 10 11 12 ... 30).

#include "bench/benchfolder.h"
#include "game/boardview.h"
#include "game/frmMain.h"
#include "game/modMain.h"
#include "game/skin/skinlayout.h"
#include "model/boardsize.h"
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

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: bench_boardsize PROGRAM_FOLDER [SIZE...]\n");
        return 2;
    }
    std::vector<int> sizes;
    for (const QString& size : args.mid(1))
        sizes.push_back(size.toInt());
    if (sizes.empty()) {
        for (int size = 10; size <= 30; ++size)
            sizes.push_back(size);
    }
    QTemporaryDir copy;
    bench::copyFolder(args[0], copy.path());
    QFile::remove(joinPath(copy.path(), QStringLiteral("qlm.ini")));
    QFile::remove(joinPath(copy.path(), QLatin1String(kBoardSizeFileName)));
    std::unique_ptr<frmMain> window = modMain::Start(copy.path());
    if (!window)
        return 1;
    window->StartLevel(0);
    BoardView& board = *window->picBoard;
    const QStringList names = QDir(joinPath(copy.path(), QStringLiteral("skins")))
                                  .entryList(QString(kSkinPattern).split(u';'), QDir::Files, QDir::Name);
    std::printf("device pixel ratio %.2f\n", board.devicePixelRatioF());
    for (const QString& name : names) {
        if (!window->ApplySkin(name))
            return 1;
        std::vector<double> times;
        std::vector<double> rested;
        for (int round = 0; round < 3; ++round) {
            for (const int size : sizes) {
                QElapsedTimer timer;
                timer.start();
                board.resize(boardClientSize(size));
                times.push_back(double(timer.nsecsElapsed()) / 1e6);
                if (board.boardSize() != size)
                    std::printf("  size %d not reached (%d)\n", size, board.boardSize());
                timer.restart();
                if (board.DrawWaitingPictures())
                    rested.push_back(double(timer.nsecsElapsed()) / 1e6);
            }
        }
        std::sort(times.begin(), times.end());
        std::printf("%-12s resize step: median %6.2f ms, slowest %6.2f ms (%zu steps)\n", qPrintable(name),
                    times[times.size() / 2], times.back(), times.size());
        std::sort(rested.begin(), rested.end());
        if (!rested.empty())
            std::printf("%-12s drawn anew once the size rests: median %6.2f ms, slowest %6.2f ms\n", "",
                        rested[rested.size() / 2], rested.back());
    }
    return 0;
}
