// Skin pictures as a player may drop them into the skins folder: any bytes
// under any of the names the file chooser offers. The content decides the
// format, so every name gives the same picture or the same refusal, and a
// picture that loads can be cut into the board's pictures wherever it is
// big enough.
#include "fuzz/fuzzsupport.h"
#include "game/skin/picture.h"
#include "game/skin/pictureclip.h"
#include "game/skin/skinlayout.h"

#include <QGuiApplication>

using namespace quill;
using namespace quill::fuzz;

namespace {

const char* const kExtensions[] = {"bmp", "dib", "gif", "jpg", "jpeg", "wmf", "emf"};

void checkCuts(const QImage& picture, const QString& path)
{
    const PictureClip clip(picture);
    const bool bigEnough =
        picture.width() >= kMinSkinSize.width() && picture.height() >= kMinSkinSize.height();
    // A picture too small for the whole layout still holds some of its
    // rectangles; those cut, the others are refused.
    for (const SkinCut& cut : kSkinLayout) {
        const bool inside = clip.contains(cut.rect);
        FUZZ_CHECK(inside || !bigEnough);
        const std::optional<QPixmap> part = clip.clip(cut.rect);
        FUZZ_CHECK(part.has_value() == inside);
        if (part)
            FUZZ_CHECK(part->size() == cut.rect.size());
    }
    for (const QRect& alt : {kAltSquareRect, kAltSingleRect}) {
        const std::optional<QImage> part = clip.clipImage(alt);
        FUZZ_CHECK(part.has_value() || !bigEnough);
        if (part)
            FUZZ_CHECK(part->size() == alt.size());
    }

    QString error;
    const std::optional<PictureClip> skin = loadSkin(path, 1.0, &error);
    FUZZ_CHECK(skin.has_value() == bigEnough);
    FUZZ_CHECK(skin.has_value() || !error.isEmpty());
    if (skin)
        FUZZ_CHECK(skin->image() == picture);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Pixmaps need a GUI application; one for the whole run, never torn down.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_skin";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    QImage first;
    QString firstPath;
    for (const char* extension : kExtensions) {
        const QString path = writeScratchFile(QStringLiteral("skin.") + QLatin1String(extension), bytes);
        QString error;
        const QImage picture = loadPicture(path, &error);
        FUZZ_CHECK(!picture.isNull() || !error.isEmpty());
        if (firstPath.isEmpty()) {
            first = picture;
            firstPath = path;
        } else {
            // Pixels a reader left uninitialised differ from one load to
            // the next, since freed memory is reused with other contents.
            FUZZ_CHECK(picture.isNull() == first.isNull());
            FUZZ_CHECK(picture == first);
        }
    }
    if (!first.isNull())
        checkCuts(first, firstPath);
    return 0;
}
