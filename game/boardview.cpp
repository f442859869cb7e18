#include "game/boardview.h"

#include "game/skin/skinlayout.h"
#include "model/rounding.h"
#include "model/spoken.h"
#include "ui/uistyle.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include <algorithm>

namespace quill {

BoardView::BoardView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picBoard"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Board"));
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
    redrawLater_.setSingleShot(true);
    redrawLater_.setInterval(kRedrawDelayMs);
    connect(&redrawLater_, &QTimer::timeout, this, &BoardView::DrawWaitingPictures);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblSteps = new QLabel(this);
    lblSteps->setObjectName(QStringLiteral("lblSteps"));
    placeTwips(lblStatus, 120, 5640, 2895, 375);
    placeTwips(lblSteps, 3000, 5640, 3015, 375);
    placedAt_.fill(QPointF(0, 0));
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
    const auto at = [this, &mouse] {
        const QPointF shown = mouse()->position();
        return QPointF(boardPixelsOf(shown.x(), size_), boardPixelsOf(shown.y(), size_));
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        emit pieceMouseDown(piece, mouse()->button(), at());
        return true;
    case QEvent::MouseMove:
        emit pieceMouseMove(piece, at());
        return true;
    case QEvent::MouseButtonRelease:
        emit pieceMouseUp(piece, mouse()->button(), at());
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
    std::optional<SkinPicture> skin = SkinPicture::load(path, nullptr);
    if (!skin)
        return false;
    const qreal ratio = ratio_;
    ratio_ = devicePixelRatioF();
    if (!MakePictures(*skin)) {
        ratio_ = ratio;
        return false;
    }
    skin_ = std::move(skin);
    alternativeShown_ = false;
    return true;
}

bool BoardView::MakePictures(SkinPicture& skin)
{
    const std::optional<PictureClip> clip = skin.clipFor(pictureScale());
    if (!clip || !CutSkin(*clip))
        return false;
    redrawLater_.stop();
    waiting_ = false;
    return true;
}

bool BoardView::DrawWaitingPictures()
{
    if (!waiting_ || !skin_)
        return false;
    waiting_ = false;
    redrawLater_.stop();
    if (MakePictures(*skin_) && alternativeShown_)
        ShowAlternativePictures();
    return true;
}

qreal BoardView::pictureScale() const
{
    return ratio_ * boardZoom(size_);
}

void BoardView::RenewForRatio(qreal ratio)
{
    if (!skin_ || qFuzzyCompare(ratio * boardZoom(size_), piclipSkin.devicePixelRatio()))
        return;
    const qreal before = ratio_;
    ratio_ = ratio;
    if (!MakePictures(*skin_)) {
        ratio_ = before;
        return;
    }
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

QSize BoardView::sizeHint() const
{
    return boardClientSize(size_);
}

QSize BoardView::minimumSizeHint() const
{
    return boardClientSize(smallest_);
}

void BoardView::SetSmallestSize(int size)
{
    smallest_ = std::clamp(size, kSmallestBoardSize, kLargestBoardSize);
    updateGeometry();
}

void BoardView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int fits = std::max(smallest_, fittingBoardSize(size()));
    if (fits == size_) {
        Relayout();
        return;
    }
    size_ = fits;
    if (skin_ && skin_->isVector() && !piclipSkin.isNull()) {
        if (CutSkin(piclipSkin.forRatio(pictureScale())) && alternativeShown_)
            ShowAlternativePictures();
        waiting_ = true;
        redrawLater_.start();
    } else if (skin_ && MakePictures(*skin_) && alternativeShown_) {
        ShowAlternativePictures();
    }
    Relayout();
    emit boardSizeChanged(size_);
}

QRect BoardView::ShownRect(const QRectF& board) const
{
    const int left = scaledLength(board.left(), size_);
    const int top = scaledLength(board.top(), size_);
    const int right = scaledLength(board.left() + board.width(), size_);
    const int bottom = scaledLength(board.top() + board.height(), size_);
    return {origin_.x() + left, origin_.y() + top, right - left, bottom - top};
}

void BoardView::PlacePiece(int16_t piece, QPointF boardPx)
{
    if (piece < 0 || piece >= kPieceCount)
        return;
    placedAt_[piece] = boardPx;
    imgPieces[piece]->move(ShownRect(QRectF(boardPx, QSizeF())).topLeft());
}

std::optional<QPixmap> BoardView::Picture(const PictureClip& skin, const QRect& skinRect) const
{
    // Made for the board's size times the ratio, shown at the board's size.
    // The ratio is set while the image alone holds its pixels, so that
    // neither it nor the pixmap copies them.
    std::optional<QImage> picture = skin.clipImage(skinRect);
    if (!picture)
        return std::nullopt;
    picture->setDevicePixelRatio(ratio_);
    return QPixmap::fromImage(std::move(*picture));
}

void BoardView::SetPicture(QLabel* target, const QPixmap& picture, const QRect& skinRect)
{
    target->setPixmap(picture);
    target->resize(scaledLength(skinRect.width(), size_), scaledLength(skinRect.height(), size_));
}

bool BoardView::CutSkin(const PictureClip& skin)
{
    std::array<QPixmap, kSkinLayout.size()> pictures;
    for (std::size_t i = 0; i < kSkinLayout.size(); ++i) {
        // The single pieces share one rectangle: cut once.
        if (i > 0 && kSkinLayout[i].rect == kSkinLayout[i - 1].rect) {
            pictures[i] = pictures[i - 1];
            continue;
        }
        const std::optional<QPixmap> picture = Picture(skin, kSkinLayout[i].rect);
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
        SetPicture(target, pictures[i], kSkinLayout[i].rect);
    }
    picMarks->setPiecePictures(imgPieces, boardZoom(size_));
    return true;
}

void BoardView::ShowAlternativePictures()
{
    if (const std::optional<QPixmap> square = Picture(piclipSkin, kAltSquareRect))
        SetPicture(imgPieces[kPrincipalPiece], *square, kAltSquareRect);
    if (const std::optional<QPixmap> single = Picture(piclipSkin, kAltSingleRect)) {
        for (int i = 6; i <= 9; ++i)
            SetPicture(imgPieces[i], *single, kAltSingleRect);
    }
    picMarks->setPiecePictures(imgPieces, boardZoom(size_));
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

void BoardView::PlaceCongratulation()
{
    // Centred in the client area of the usual size, then scaled with the board.
    const QSize usual = boardClientSize(kUsualBoardSize);
    const QSize banner = skinRect(SkinTarget::Congratulation).size();
    imgCong->move(ShownRect(QRectF(halveRounded(usual.width() - banner.width()),
                                   halveRounded(usual.height() - banner.height()), 0, 0))
                      .topLeft());
}

void BoardView::ShowCongratulation()
{
    PlaceCongratulation();
    imgCong->show();
    imgCong->raise();
}

void BoardView::HideCongratulation()
{
    imgCong->hide();
}

void BoardView::LayoutFrames()
{
    imgUpFrame->move(ShownRect(QRectF(10, 10, 0, 0)).topLeft());
    imgLeftFrame->move(ShownRect(QRectF(10, 30, 0, 0)).topLeft());
    imgRightFrame->move(ShownRect(QRectF(270, 30, 0, 0)).topLeft());
    imgExit->move(ShownRect(QRectF(10, 330, 0, 0)).topLeft());
    imgTitle->move(ShownRect(QRectF(310, 10, 0, 0)).topLeft());
}

void BoardView::Relayout()
{
    const QSize client = boardClientSize(size_);
    origin_ = QPoint(std::max(0, (width() - client.width()) / 2), std::max(0, (height() - client.height()) / 2));
    LayoutFrames();
    for (int16_t i = 0; i < kPieceCount; ++i)
        PlacePiece(i, placedAt_[i]);
    PlaceCongratulation();
    picMarks->setGeometry(rect());
    picMarks->setMarks(ShownMarks(), boardZoom(size_));
    // The status line keeps its height and font below the board.
    for (auto [label, place] : {std::pair{lblStatus, QRectF(8, 376, 193, 25)}, std::pair{lblSteps, QRectF(200, 376, 201, 25)}}) {
        QRect shown = ShownRect(place);
        shown.setHeight(place.height());
        label->setGeometry(shown);
    }
}

BoardMarks BoardView::ShownMarks() const
{
    BoardMarks shown = marks_;
    for (std::optional<QRect>* mark : {&shown.hintPiece, &shown.hintTarget, &shown.selection}) {
        if (*mark)
            *mark = ShownRect(**mark);
    }
    return shown;
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
        PlacePiece(i, QPointF(pieceLeftPx(cell.col), pieceTopPx(cell.row)));
    }
    marks_ = boardMarksOf(session);
    picMarks->setMarks(ShownMarks(), boardZoom(size_));
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
