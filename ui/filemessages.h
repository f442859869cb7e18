#pragma once

#include "model/fileio.h"

#include <QString>

namespace quill {

// The three lines of a failed file operation: what was attempted, the path
// with the platform's separators, and the error number and its text.
QString fileErrorMessage(const QString& attempted, const QString& path, const FileStatus& status);

}  // namespace quill
