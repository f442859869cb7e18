#include "tools/skingen/shipped.h"

#include "tools/skingen/flatcanvas.h"
#include "tools/skingen/gifwriter.h"
#include "tools/skingen/palette.h"
#include "tools/skingen/skins.h"

#include "game/skin/skinlayout.h"
#include "model/datafolders.h"

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
    std::vector<ShippedPicture> pictures;
    // The bitmap skins, and each at twice the size for scaled screens.
    for (const int scale : {1, 2}) {
        const QString folder =
            scale == 1 ? skins : skins + QLatin1String(kDoubleSizeSkinFolderName) + QLatin1Char('/');
        // A 24-bit bitmap: RGB888 is what Qt writes as 24 bits per pixel.
        pictures.push_back({folder + QStringLiteral("default.bmp"), [scale] { return paintClassicSkin(scale); },
                            [scale] {
                                return encode(paintClassicSkin(scale).convertToFormat(QImage::Format_RGB888), "bmp");
                            }});
        pictures.push_back({folder + QStringLiteral("wood.jpg"), [scale] { return paintWoodSkin(scale); },
                            [scale] { return encode(paintWoodSkin(scale), "jpeg", 92); }});
        pictures.push_back({folder + QStringLiteral("arcade.gif"), [scale] { return paintArcadeSkin(scale); },
                            [scale] { return encodeGif(paintArcadeSkin(scale)); }});
    }
    pictures.push_back({skins + QStringLiteral("bauhaus.emf"), paintBauhausSkin, bauhausMetafile});
    // The About box picture, and at twice the size.
    pictures.push_back({resources + QStringLiteral("quill.png"), [] { return paintQuillPicture(1); },
                        [] { return encode(paintQuillPicture(1), "png"); }});
    pictures.push_back({resources + QStringLiteral("quill2x.png"), [] { return paintQuillPicture(2); },
                        [] { return encode(paintQuillPicture(2), "png"); }});
    // The icon's images: 16 colours at 32 pixels, 256 at 48, each counting
    // the transparent entry, and as many at twice those sizes.
    for (const auto& [size, colours] : {std::pair{32, 15}, std::pair{48, 255}, std::pair{64, 15}, std::pair{96, 255}}) {
        pictures.push_back({resources + QStringLiteral("icon%1.png").arg(size), [size] { return paintProgramIcon(size); },
                            [size, colours] { return encode(reduceColours(paintProgramIcon(size), colours), "png"); }});
    }
    // The icon for desktop menus, in full colour at the sizes of the
    // hicolor icon theme; the install puts each under NxN/apps, and the
    // one of 2N pixels under NxN@2/apps as well, for scaled screens.
    for (const int size : kThemeIconSizes) {
        pictures.push_back({QStringLiteral("packaging/icons/icon%1.png").arg(size),
                            [size] { return paintProgramIcon(size); },
                            [size] { return encode(paintProgramIcon(size), "png"); }});
    }
    return pictures;
}

}  // namespace quill::skingen
