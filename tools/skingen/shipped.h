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

// The skins in data/skins and the pictures in game/resources.
std::vector<ShippedPicture> shippedPictures();

}  // namespace quill::skingen
