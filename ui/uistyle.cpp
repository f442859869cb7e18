#include "ui/uistyle.h"

#include "model/rounding.h"

#include <QWidget>

namespace quill {

QFont msSansSerif(double pointSize, bool underline)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setUnderline(underline);
    return font;
}

void placeTwips(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

}  // namespace quill
