#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace quill::skingen {

// A picture file that ships with the game and the drawing it is made from.
struct ShippedPicture {
    QString path;                      // below the source folder
    std::function<QImage()> drawing;   // what the file shows
    std::function<QByteArray()> file;  // the file's bytes, in the format its name says
};

// The sizes of the desktop icon in packaging/icons, in pixels.
inline constexpr int kThemeIconSizes[] = {16, 24, 32, 48, 64, 96, 128, 256, 512};

// The skins in data/skins (with the bitmap skins' double-size companions),
// the pictures in game/resources and the desktop icons in packaging/icons.
std::vector<ShippedPicture> shippedPictures();

}  // namespace quill::skingen
