#include "game/skin/productpictures.h"

namespace quill {

QPixmap quillPicture()
{
    return QPixmap(QStringLiteral(":/quill/quill.png"));
}

QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/quill/icon32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/quill/icon48.png"), QSize(48, 48));
    return icon;
}

}  // namespace quill
