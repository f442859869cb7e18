#include "tools/skingen/shipped.h"

#include "tools/skingen/flatcanvas.h"
#include "tools/skingen/gifwriter.h"
#include "tools/skingen/palette.h"
#include "tools/skingen/skins.h"

#include "game/skin/skinlayout.h"

#include <QBuffer>
#include <QImageWriter>

namespace quill::skingen {
namespace {

QByteArray encode(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
}

QByteArray bauhausMetafile()
{
    EmfWriter writer(kMinSkinSize);
    drawBauhausSkin(writer);
    return writer.finish();
}

}  // namespace

std::vector<ShippedPicture> shippedPictures()
{
    const QString skins = QStringLiteral("data/skins/");
    const QString resources = QStringLiteral("game/resources/");
    std::vector<ShippedPicture> pictures = {
        // A 24-bit bitmap: RGB888 is what Qt writes as 24 bits per pixel.
        {skins + QStringLiteral("default.bmp"), paintClassicSkin,
         [] { return encode(paintClassicSkin().convertToFormat(QImage::Format_RGB888), "bmp"); }},
        {skins + QStringLiteral("wood.jpg"), paintWoodSkin, [] { return encode(paintWoodSkin(), "jpeg", 92); }},
        {skins + QStringLiteral("arcade.gif"), paintArcadeSkin, [] { return encodeGif(paintArcadeSkin()); }},
        {skins + QStringLiteral("bauhaus.emf"), paintBauhausSkin, bauhausMetafile},
        {resources + QStringLiteral("quill.png"), paintQuillPicture,
         [] { return encode(paintQuillPicture(), "png"); }},
        // The icon's two images: 16 colours at 32 pixels, 256 at 48, each
        // counting the transparent entry.
        {resources + QStringLiteral("icon32.png"), [] { return paintProgramIcon(32); },
         [] { return encode(reduceColours(paintProgramIcon(32), 15), "png"); }},
        {resources + QStringLiteral("icon48.png"), [] { return paintProgramIcon(48); },
         [] { return encode(reduceColours(paintProgramIcon(48), 255), "png"); }},
    };
    // The icon for desktop menus, in full colour at the sizes of the
    // hicolor icon theme; the install puts each under NxN/apps.
    for (const int size : kThemeIconSizes) {
        pictures.push_back({QStringLiteral("packaging/icons/icon%1.png").arg(size),
                            [size] { return paintProgramIcon(size); },
                            [size] { return encode(paintProgramIcon(size), "png"); }});
    }
    return pictures;
}

}  // namespace quill::skingen
