#pragma once

#include <QString>

class QWidget;

namespace quill {

// Opens the help page qlm.html of `programFolder` in the browser; when it
// cannot, tells the player where the page lies, over `parent`.
void OpenHowToPlay(QWidget* parent, const QString& programFolder);

}  // namespace quill
