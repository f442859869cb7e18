#pragma once

#include <QImage>

namespace quill::skingen {

class FlatCanvas;

// The shipped skins, each in the skin layout, 370 x 380 pixels times
// `scale`: the bitmap skins ship at scale 1 and, for scaled screens, at 2.
QImage paintClassicSkin(int scale = 1);  // default.bmp: jewel-coloured pieces in a tooled leather frame
QImage paintWoodSkin(int scale = 1);     // wood.jpg: carved blocks of several woods
QImage paintArcadeSkin(int scale = 1);   // arcade.gif: flat pixel art in few colours
void drawBauhausSkin(FlatCanvas& canvas);  // bauhaus.emf: flat shapes in primary colours

// drawBauhausSkin through QPainter: what the metafile should look like.
QImage paintBauhausSkin();

// The About box picture, 50 x 52 pixels times `scale`.
QImage paintQuillPicture(int scale = 1);

// The program icon at `size` x `size` pixels, with transparency.
QImage paintProgramIcon(int size);

}  // namespace quill::skingen
