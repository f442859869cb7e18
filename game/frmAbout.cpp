#include "game/frmAbout.h"

#include "game/frmMain.h"
#include "game/placement.h"
#include "game/skin/productpictures.h"
#include "ui/uistyle.h"
#include "ui/userdialogs.h"
#include "version.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QLabel>

namespace quill {
namespace {

constexpr char kCopyright[] = "Copyright \u00A9 2026 Quillmere";

// The shift state of the hidden sequence: Shift, Ctrl and Alt only, so that
// Meta or keypad flags held at the same time do not matter.
Qt::KeyboardModifiers shiftState(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace

frmAbout::frmAbout(frmMain* owner)
    : PlainDialog(owner, "frmAbout", tr("About", "About dialog title"), 5580, 1920), owner_(owner)
{
    cmdOk = addButton(tr("&OK", "About dialog"), "cmdOk", 4320, 120, 1095, 375);

    imgQuill = new QLabel(this);
    imgQuill->setObjectName(QStringLiteral("imgQuill"));
    imgQuill->setFrameStyle(QFrame::Box | QFrame::Plain);
    imgQuill->setLineWidth(1);
    imgQuill->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgQuill->setPixmap(quillPicture(devicePixelRatioF()));
    placeTwips(imgQuill, 45, 45, 810, 840);

    lblProd = new QLabel(this);
    lblProd->setObjectName(QStringLiteral("lblProd"));
    lblProd->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblProd->setTextFormat(Qt::PlainText);
    lblProd->setFont(msSansSerif(8.25));
    placeTwips(lblProd, 960, 120, 3135, 735);

    lblEmail = new QLabel(tr("Email: %1").arg(QLatin1String(kEmailAddress)), this);
    lblEmail->setObjectName(QStringLiteral("lblEmail"));
    placeTwips(lblEmail, 240, 960, 2655, 255);

    lblUpdates = new QLabel(tr("Updates:  %1").arg(QLatin1String(kUpdatesAddress)), this);
    lblUpdates->setObjectName(QStringLiteral("lblUpdates"));
    placeTwips(lblUpdates, 240, 1440, 5055, 255);

    for (QLabel* link : {lblEmail, lblUpdates}) {
        link->setFont(msSansSerif(8.25, true));
        setTextColour(link, QColor(0, 0, 255));
        link->setMouseTracking(true);
        link->installEventFilter(this);
    }
    imgQuill->installEventFilter(this);

    setTabOrder(cmdOk, cmdOk);
    cmdOk->setFocus();
    connect(cmdOk, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);
    Form_Load();
}

void frmAbout::Form_Load()
{
    centreOnOwner(this, owner_);
    keepOnScreen(this, owner_);
    lblProd->setText(tr("Quillmere Version %1.%2%3\n\n%4")
                         .arg(version::major)
                         .arg(version::minor)
                         .arg(version::revision)
                         .arg(QString::fromUtf8(kCopyright)));
    eggStage = 0;
}

void frmAbout::cmdOk_Click()
{
    accept();
}

QCursor frmAbout::linkCursor()
{
    // A two-colour hand: white inside, black outline, index finger up.
    QPixmap hand(32, 32);
    hand.fill(Qt::transparent);
    QPainter painter(&hand);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath path;
    path.moveTo(4, 1);
    path.lineTo(4, 0);
    path.lineTo(6, 0);
    path.lineTo(7, 1);
    path.lineTo(7, 9);
    path.lineTo(13, 10);
    path.lineTo(17, 11);
    path.lineTo(18, 13);
    path.lineTo(18, 20);
    path.lineTo(16, 24);
    path.lineTo(16, 26);
    path.lineTo(6, 26);
    path.lineTo(6, 24);
    path.lineTo(1, 17);
    path.lineTo(1, 15);
    path.lineTo(3, 14);
    path.lineTo(4, 15);
    path.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(path);
    painter.drawLine(10, 11, 10, 15);
    painter.drawLine(13, 11, 13, 15);
    painter.end();
    return QCursor(hand, 5, 0);
}

void frmAbout::markVisited(QLabel* link)
{
    setTextColour(link, QColor(255, 0, 0));
}

void frmAbout::lblEmail_MouseMove()
{
    lblEmail->setCursor(linkCursor());
}

void frmAbout::lblUpdates_MouseMove()
{
    lblUpdates->setCursor(linkCursor());
}

void frmAbout::lblEmail_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers shift)
{
    markVisited(lblEmail);
    if (shiftState(shift) == (Qt::ControlModifier | Qt::AltModifier))
        eggStage = 2;
}

void frmAbout::lblUpdates_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers shift)
{
    markVisited(lblUpdates);
    if (shiftState(shift) == (Qt::ControlModifier | Qt::AltModifier) && eggStage == 2)
        eggStage = 3;
}

void frmAbout::imgQuill_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers shift)
{
    if (shiftState(shift) != Qt::ControlModifier || eggStage != 3)
        return;
    owner_->picBoard->ShowAlternativePictures();
    userDialogs().message(this, tr("Quillmere - Easter Egg"),
                          tr("You have found the Easter Egg!"),
                          UserDialogs::Icon::Information, UserDialogs::Buttons::Ok);
}

void frmAbout::lblEmail_Click()
{
    const QString address = QLatin1String(kEmailAddress);
    const QUrl link(QStringLiteral("mailto:") + address + QStringLiteral("?Subject=Quillmere"));
    if (!userDialogs().open(link)) {
        userDialogs().message(this, tr("Quillmere - Email"),
                              tr("Unable to start your Email agent automatically.\n"
                                 "Please send an Email to %1 manually.")
                                  .arg(address),
                              UserDialogs::Icon::Information, UserDialogs::Buttons::Ok);
    }
}

void frmAbout::lblUpdates_Click()
{
    const QString address = QLatin1String(kUpdatesAddress);
    if (!userDialogs().open(QUrl(address))) {
        userDialogs().message(this, tr("Quillmere - Updates"),
                              tr("Unable to start your web browser automatically.\n"
                                 "Please goto the site %1 manually.")
                                  .arg(address),
                              UserDialogs::Icon::Information, UserDialogs::Buttons::Ok);
    }
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
        && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove) {
        return QDialog::eventFilter(watched, event);
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (watched == imgQuill) {
        if (press)
            imgQuill_MouseDown(mouse->button(), mouse->modifiers());
        return false;
    }
    auto* link = qobject_cast<QLabel*>(watched);
    if (link != lblEmail && link != lblUpdates)
        return QDialog::eventFilter(watched, event);
    const bool email = link == lblEmail;
    if (type == QEvent::MouseMove) {
        email ? lblEmail_MouseMove() : lblUpdates_MouseMove();
    } else if (press) {
        if (mouse->button() == Qt::LeftButton)
            armedLink_ = type == QEvent::MouseButtonPress ? link : nullptr;
        email ? lblEmail_MouseDown(mouse->button(), mouse->modifiers())
              : lblUpdates_MouseDown(mouse->button(), mouse->modifiers());
    } else if (mouse->button() == Qt::LeftButton) {
        const bool click = armedLink_ == link && link->rect().contains(mouse->position().toPoint());
        armedLink_ = nullptr;
        if (click)
            email ? lblEmail_Click() : lblUpdates_Click();
    }
    return false;
}

}  // namespace quill
