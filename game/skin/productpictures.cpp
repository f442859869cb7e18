#include "game/skin/productpictures.h"

#include "game/skin/pictureclip.h"

namespace quill {

QPixmap quillPicture(qreal devicePixelRatio)
{
    if (!(devicePixelRatio > 1.0))
        return QPixmap(QStringLiteral(":/quill/quill.png"));
    QImage shown = resampled(QImage(QStringLiteral(":/quill/quill2x.png")),
                             devicePixels(QRect(0, 0, 50, 52), devicePixelRatio).size());
    shown.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(shown);
}

QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/quill/icon32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/quill/icon48.png"), QSize(48, 48));
    icon.addFile(QStringLiteral(":/quill/icon64.png"), QSize(64, 64));
    icon.addFile(QStringLiteral(":/quill/icon96.png"), QSize(96, 96));
    return icon;
}

}  // namespace quill
