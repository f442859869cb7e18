// skingen: draws the shipped skins, the About box picture and the program
// icon, and shows skins as the game puts them on its window.
//
//   skingen SOURCE
//       writes every shipped picture below the source folder SOURCE
//   skingen preview SKINS OUT P0 P1 ... P9
//       for each skin in the folder SKINS, writes OUT/<skin>-board.png (the
//       pieces at positions P0..P9) and OUT/<skin>-won.png (the banner)

#include "tools/skingen/shipped.h"

#include "game/skin/pictureclip.h"
#include "game/skin/skinlayout.h"
#include "model/board.h"
#include "model/fileio.h"
#include "model/levelfaults.h"
#include "model/programfolder.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <cstdio>

namespace {

using namespace quill;

// Where the main window puts the board's pictures, in pixels of its client
// area (408 x 405): the frame and the title at fixed places, cell (0, 0) at
// (30, 30), and the banner centred alone after a win.
constexpr QSize kClientArea(408, 405);
constexpr QPoint kBoardOrigin(30, 30);
constexpr QPoint kBannerAt(19, 182);

QPoint placeOf(SkinTarget target)
{
    switch (target) {
    case SkinTarget::UpFrame:
        return {10, 10};
    case SkinTarget::LeftFrame:
        return {10, 30};
    case SkinTarget::RightFrame:
        return {270, 30};
    case SkinTarget::ExitFrame:
        return {10, 330};
    case SkinTarget::Title:
        return {310, 10};
    case SkinTarget::Congratulation:
        return kBannerAt;
    case SkinTarget::Piece:
        break;
    }
    return {};
}

bool savePng(const QImage& image, const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "png") && writeWholeFile(path, bytes).ok();
}

int writeShipped(const QString& source)
{
    int failures = 0;
    for (const skingen::ShippedPicture& picture : skingen::shippedPictures()) {
        const QString path = joinPath(source, picture.path);
        const QByteArray bytes = picture.file();
        const FileStatus status = bytes.isEmpty() ? FileStatus::failure(EINVAL, QStringLiteral("cannot encode"), path)
                                                  : writeWholeFile(path, bytes);
        if (!status.ok()) {
            std::fprintf(stderr, "skingen: %s: %s\n", qPrintable(path), qPrintable(status.errorText));
            ++failures;
            continue;
        }
        std::printf("%s (%lld bytes)\n", qPrintable(picture.path), static_cast<long long>(bytes.size()));
    }
    return failures == 0 ? 0 : 1;
}

int writePreviews(const QString& skins, const QString& out, const QStringList& values)
{
    Positions positions{};
    for (int i = 0; i < kPieceCount; ++i) {
        bool ok = false;
        positions[size_t(i)] = static_cast<int16_t>(values.value(i).toShort(&ok));
        if (!ok) {
            std::fprintf(stderr, "skingen: give ten position values\n");
            return 2;
        }
    }
    if (const PositionFault misplaced = misplacedFault(positions); !misplaced.none()) {
        std::fprintf(stderr, "skingen: %s\n", qPrintable(faultText(misplaced)));
        return 2;
    }
    Board board;
    board.SetPiecePositions(positions);

    const QColor background = QGuiApplication::palette().color(QPalette::Window);
    int failures = 0;
    const QStringList names = QDir(skins).entryList(QString(kSkinPattern).split(u';'), QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QString error;
        const std::optional<PictureClip> skin = loadSkin(joinPath(skins, name), 1.0, &error);
        if (!skin) {
            std::fprintf(stderr, "skingen: %s: %s\n", qPrintable(name), qPrintable(error));
            ++failures;
            continue;
        }
        QImage shown(kClientArea, QImage::Format_RGB32);
        shown.fill(background);
        QImage won = shown.copy();
        QPainter painter(&shown);
        for (const SkinCut& cut : kSkinLayout) {
            const QImage part = *skin->clipImage(cut.rect);
            if (cut.target == SkinTarget::Congratulation) {
                QPainter(&won).drawImage(kBannerAt, part);
                continue;
            }
            QPoint at = placeOf(cut.target);
            if (cut.target == SkinTarget::Piece) {
                const Piece& piece = board.pieces[size_t(cut.piece)];
                at = kBoardOrigin + QPoint(piece.col, piece.row) * kSkinCellSize;
            }
            painter.drawImage(at, part);
        }
        painter.end();
        const QString stem = QFileInfo(name).completeBaseName();
        if (!savePng(shown, joinPath(out, stem + QStringLiteral("-board.png")))
            || !savePng(won, joinPath(out, stem + QStringLiteral("-won.png"))))
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 1 && args[0] != QStringLiteral("preview"))
        return writeShipped(args[0]);
    if (args.size() == 3 + kPieceCount && args[0] == QStringLiteral("preview"))
        return writePreviews(args[1], args[2], args.mid(3));
    std::fprintf(stderr, "usage: skingen SOURCE\n       skingen preview SKINS OUT P0 ... P9\n");
    return 2;
}
