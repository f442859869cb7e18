#pragma once

#include "model/fileio.h"

#include <QString>

namespace quill {

inline constexpr char kMotionFileName[] = "qlm-motion.txt";

// Whether slides the game plays (Show Solution, Undo, Redo) glide or jump,
// kept in a file of its own so that qlm.ini stays the one line it is: the
// word "glide" or "jump". A missing or unreadable file, or any other
// content, means they glide.
bool readSlidesGlide(const QString& path);
FileStatus writeSlidesGlide(const QString& path, bool glide);

}  // namespace quill
