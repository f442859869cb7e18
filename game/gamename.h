#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace quill {

// Asks for the name to save the game under, again and again until the
// player gives a name that can be used (a new one, or an existing one to
// overwrite) or gives up with an empty name; each refusal says why. The
// name, or nothing when the player gave up.
std::optional<QString> AskGameName(QWidget* parent, const std::function<bool(const QString&)>& fileExists);

}  // namespace quill
