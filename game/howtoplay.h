#pragma once

#include <QString>

class QWidget;

namespace quill {

// The help page of the player's language, qlm.<language>.html, when
// `programFolder` holds one; otherwise the English qlm.html.
QString HelpPageName(const QString& programFolder);

// Opens the help page HelpPageName of `programFolder` in the browser; when it
// cannot, tells the player where the page lies, over `parent`.
void OpenHowToPlay(QWidget* parent, const QString& programFolder);

}  // namespace quill
