// Times dragging on the real main window, headless: a single piece dragged
// to and fro along an empty row through the window's own mouse events, and
// the release that commits each slide. Prints the median time of a pointer
// move that carries the piece to the next cell, and of a release, over many
// drags. The game is started in a temporary copy of the program folder.
//
//   bench_drag PROGRAM_FOLDER [DRAGS]

#include "bench/benchfolder.h"
#include "game/frmMain.h"
#include "game/modMain.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace quill;

namespace {

void send(QWidget* picture, QEvent::Type type, QPoint windowPixel)
{
    const QPointF local = windowPixel - picture->pos();
    QMouseEvent event(type, local, picture->mapToGlobal(local), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &event);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_drag PROGRAM_FOLDER [DRAGS]\n");
        return 2;
    }
    const int drags = argc > 2 ? std::atoi(argv[2]) : 20000;
    QTemporaryDir folder;
    bench::copyFolder(QString::fromLocal8Bit(argv[1]), folder.path());
    std::unique_ptr<frmMain> window = modMain::Start(folder.path());
    if (!window)
        return 1;
    // Level 1 of the shipped collection, put on the board as New Game does.
    window->StartLevel(0);

    // A single piece with an empty cell beside it on its row.
    int piece = -1;
    int fromCol = 0;
    int toCol = 0;
    int row = 0;
    for (int i = 6; i < 10 && piece < 0; ++i) {
        const Piece& p = window->session().board().pieces[i];
        for (int dc : {-1, 1}) {
            const int c = p.col + dc;
            if (c >= 0 && c < kColumns && window->session().board().grid[p.row][c] == Board::kEmpty) {
                piece = i;
                fromCol = p.col;
                toCol = c;
                row = p.row;
                break;
            }
        }
    }
    if (piece < 0) {
        std::fprintf(stderr, "bench_drag: no single piece can slide on level 1\n");
        return 1;
    }
    auto centre = [](int col, int r) { return QPoint(kCellPx / 2, kCellPx / 2) + QPoint(pieceLeftPx(col), pieceTopPx(r)); };

    std::vector<double> moves;
    std::vector<double> releases;
    QElapsedTimer clock;
    for (int i = 0; i < drags; ++i) {
        const int from = i % 2 == 0 ? fromCol : toCol;
        const int to = i % 2 == 0 ? toCol : fromCol;
        QLabel* picture = window->picBoard->imgPieces[piece];
        send(picture, QEvent::MouseButtonPress, centre(from, row));
        clock.start();
        send(picture, QEvent::MouseMove, centre(to, row));
        moves.push_back(clock.nsecsElapsed() / 1000.0);
        clock.start();
        send(picture, QEvent::MouseButtonRelease, centre(to, row));
        releases.push_back(clock.nsecsElapsed() / 1000.0);
    }
    std::printf("drags %d, steps counted %d\n", drags, static_cast<int>(window->steps()));
    std::printf("pointer move to the next cell: median %.1f us\n", median(moves));
    std::printf("release committing the slide:  median %.1f us\n", median(releases));
    return 0;
}
