#include "ui/uistyle.h"

namespace quill {

QFont msSansSerif(double pointSize, bool underline)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setUnderline(underline);
    return font;
}

}  // namespace quill
