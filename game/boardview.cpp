#include "game/boardview.h"

#include "game/skin/skinlayout.h"
#include "model/rounding.h"
#include "model/spoken.h"
#include "ui/uistyle.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace quill {

BoardView::BoardView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picBoard"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Board"));
    imgUpFrame = makeImage("imgUpFrame");
    imgLeftFrame = makeImage("imgLeftFrame");
    imgRightFrame = makeImage("imgRightFrame");
    imgExit = makeImage("imgExit");
    imgTitle = makeImage("imgTitle");
    for (QLabel*& piece : imgPieces) {
        piece = makeImage("imgPieces");
        piece->installEventFilter(this);
    }
    imgCong = makeImage("imgCong");
    picMarks = new BoardMarksView(this);
    describedAt_.fill({-1, -1});

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblSteps = new QLabel(this);
    lblSteps->setObjectName(QStringLiteral("lblSteps"));
    placeTwips(lblStatus, 120, 5640, 2895, 375);
    placeTwips(lblSteps, 3000, 5640, 3015, 375);
    for (QLabel* label : {lblStatus, lblSteps}) {
        // Level names come from files: shown exactly as stored, never as markup.
        label->setTextFormat(Qt::PlainText);
        label->setFont(msSansSerif(9.75));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

bool BoardView::eventFilter(QObject* watched, QEvent* event)
{
    const int16_t piece = pieceOf(watched);
    if (piece < 0)
        return QWidget::eventFilter(watched, event);
    const auto mouse = [event] { return static_cast<const QMouseEvent*>(event); };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        emit pieceMouseDown(piece, mouse()->button(), mouse()->position());
        return true;
    case QEvent::MouseMove:
        emit pieceMouseMove(piece, mouse()->position());
        return true;
    case QEvent::MouseButtonRelease:
        emit pieceMouseUp(piece, mouse()->button(), mouse()->position());
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

QLabel* BoardView::makeImage(const char* name)
{
    auto* image = new QLabel(this);
    image->setObjectName(QLatin1String(name));
    image->setScaledContents(false);
    image->hide();
    return image;
}

int16_t BoardView::pieceOf(const QObject* object) const
{
    for (int16_t i = 0; i < kPieceCount; ++i) {
        if (imgPieces[i] == object)
            return i;
    }
    return -1;
}

bool BoardView::LoadSkin(const QString& path)
{
    const std::optional<PictureClip> skin = loadSkin(path, devicePixelRatioF(), nullptr);
    if (!skin || !CutSkin(*skin))
        return false;
    skinPath_ = path;
    alternativeShown_ = false;
    return true;
}

void BoardView::RenewForRatio(qreal ratio)
{
    if (skinPath_.isEmpty() || qFuzzyCompare(ratio, piclipSkin.devicePixelRatio()))
        return;
    const std::optional<PictureClip> skin = loadSkin(skinPath_, ratio, nullptr);
    if (!skin || !CutSkin(*skin))
        return;
    if (alternativeShown_)
        ShowAlternativePictures();
}

void BoardView::RenewForScreen()
{
    RenewForRatio(devicePixelRatioF());
}

void BoardView::WatchScreen()
{
    // A change of the desktop's scaling is looked at once the screen has
    // worked out its new ratio.
    if (screen())
        connect(screen(), &QScreen::logicalDotsPerInchChanged, this, &BoardView::RenewForScreen,
                static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::UniqueConnection));
}

bool BoardView::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal) {
        RenewForScreen();
        WatchScreen();
    }
    return QWidget::event(event);
}

void BoardView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    WatchScreen();
}

bool BoardView::CutSkin(const PictureClip& skin)
{
    std::array<QPixmap, kSkinLayout.size()> pictures;
    for (std::size_t i = 0; i < kSkinLayout.size(); ++i) {
        const std::optional<QPixmap> picture = skin.clip(kSkinLayout[i].rect);
        if (!picture)
            return false;
        pictures[i] = *picture;
    }
    piclipSkin = skin;
    for (std::size_t i = 0; i < kSkinLayout.size(); ++i) {
        QLabel* target = nullptr;
        switch (kSkinLayout[i].target) {
        case SkinTarget::UpFrame: target = imgUpFrame; break;
        case SkinTarget::LeftFrame: target = imgLeftFrame; break;
        case SkinTarget::RightFrame: target = imgRightFrame; break;
        case SkinTarget::ExitFrame: target = imgExit; break;
        case SkinTarget::Title: target = imgTitle; break;
        case SkinTarget::Congratulation: target = imgCong; break;
        case SkinTarget::Piece: target = imgPieces[kSkinLayout[i].piece]; break;
        }
        target->setPixmap(pictures[i]);
        target->resize(kSkinLayout[i].rect.size());
    }
    picMarks->setPiecePictures(imgPieces);
    return true;
}

void BoardView::ShowAlternativePictures()
{
    if (const std::optional<QPixmap> square = piclipSkin.clip(kAltSquareRect)) {
        imgPieces[kPrincipalPiece]->setPixmap(*square);
        imgPieces[kPrincipalPiece]->resize(kAltSquareRect.size());
    }
    if (const std::optional<QPixmap> single = piclipSkin.clip(kAltSingleRect)) {
        for (int i = 6; i <= 9; ++i) {
            imgPieces[i]->setPixmap(*single);
            imgPieces[i]->resize(kAltSingleRect.size());
        }
    }
    picMarks->setPiecePictures(imgPieces);
    alternativeShown_ = true;
}

void BoardView::HideBoard()
{
    picMarks->hide();
    for (QLabel* piece : imgPieces)
        piece->hide();
    for (QLabel* image : {imgUpFrame, imgLeftFrame, imgRightFrame, imgExit, imgTitle, imgCong})
        image->hide();
}

void BoardView::ShowBoard()
{
    for (QLabel* piece : imgPieces)
        piece->show();
    for (QLabel* image : {imgUpFrame, imgLeftFrame, imgRightFrame, imgExit, imgTitle})
        image->show();
    picMarks->setGeometry(rect());
    picMarks->show();
    picMarks->raise();
    setFocus();
}

void BoardView::ShowCongratulation()
{
    imgCong->move(static_cast<int>(halveRounded(width() - imgCong->width())),
                  static_cast<int>(halveRounded(height() - imgCong->height())));
    imgCong->show();
    imgCong->raise();
}

void BoardView::HideCongratulation()
{
    imgCong->hide();
}

void BoardView::LayoutFrames()
{
    imgUpFrame->move(10, 10);
    imgLeftFrame->move(10, 30);
    imgRightFrame->move(270, 30);
    imgExit->move(10, 330);
    imgTitle->move(310, 10);
}

void BoardView::PlaceBoard(const GameSession& session)
{
    LayoutFrames();
    Draw(session);
}

void BoardView::ShowStatus(const GameSession& session)
{
    lblStatus->setText(session.levelStatus());
    lblSteps->setText(session.stepsStatus());
}

void BoardView::Draw(const GameSession& session)
{
    for (int16_t i = 0; i < kPieceCount; ++i) {
        const PieceDrag::Cell cell = session.pictureCell(i);
        imgPieces[i]->move(pieceLeftPx(cell.col), pieceTopPx(cell.row));
    }
    picMarks->setMarks(boardMarksOf(session));
    Describe(session);
}

void BoardView::Describe(const GameSession& session)
{
    // Words are made only for what changed: a drag moves one picture, and
    // where pieces can slide changes only with the board.
    const Board& board = session.board();
    const bool boardChanged = describedGrid_ != board.grid;
    for (int16_t i = 0; i < kPieceCount; ++i) {
        const PieceDrag::Cell cell = session.pictureCell(i);
        if (!(describedAt_[i] == cell)) {
            const QString name = spokenPiece(i, cell.col, cell.row);
            if (imgPieces[i]->accessibleName() != name)
                imgPieces[i]->setAccessibleName(name);
            describedAt_[i] = cell;
        }
        if (boardChanged)
            imgPieces[i]->setAccessibleDescription(spokenFreeWays(board, i));
    }
    describedGrid_ = board.grid;
    const SpokenText spoken = spokenBoard(session);
    if (accessibleName() != spoken.name)
        setAccessibleName(spoken.name);
    if (accessibleDescription() != spoken.description)
        setAccessibleDescription(spoken.description);
}

}  // namespace quill
