#include "game/skin/pictureclip.h"

#include "game/skin/picture.h"
#include "game/skin/skinlayout.h"

#include <QCoreApplication>

namespace quill {

PictureClip::PictureClip(QImage picture) : picture_(std::move(picture)) {}

bool PictureClip::contains(const QRect& rect) const
{
    return !rect.isEmpty() && picture_.rect().contains(rect);
}

std::optional<QImage> PictureClip::clipImage(const QRect& rect) const
{
    if (!contains(rect))
        return std::nullopt;
    return picture_.copy(rect);
}

std::optional<QPixmap> PictureClip::clip(const QRect& rect) const
{
    const std::optional<QImage> part = clipImage(rect);
    if (!part)
        return std::nullopt;
    QPixmap pixmap = QPixmap::fromImage(*part);
    if (pixmap.isNull())
        return std::nullopt;
    return pixmap;
}

std::optional<PictureClip> loadSkin(const QString& path, QString* error)
{
    QImage picture = loadPicture(path, error);
    if (picture.isNull())
        return std::nullopt;
    if (picture.width() < kMinSkinSize.width() || picture.height() < kMinSkinSize.height()) {
        if (error) {
            *error = QCoreApplication::translate("quill::PictureClip",
                                                 "The skin is %1 x %2 pixels; it must be at least %3 x %4.")
                         .arg(picture.width())
                         .arg(picture.height())
                         .arg(kMinSkinSize.width())
                         .arg(kMinSkinSize.height());
        }
        return std::nullopt;
    }
    return PictureClip(std::move(picture));
}

}  // namespace quill
