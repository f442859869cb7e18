#pragma once

#include <QFont>

namespace quill {

// "MS Sans Serif" asked for by name, falling back to the system's sans
// serif at the same point size.
QFont msSansSerif(double pointSize, bool underline = false);

}  // namespace quill
