#include "ui/filemessages.h"

#include "model/programfolder.h"

namespace quill {

QString fileErrorMessage(const QString& attempted, const QString& path, const FileStatus& status)
{
    // Plain concatenation: a '%' in the path or the text stays as it is.
    return attempted + QLatin1Char('\n') + displayPath(path) + QLatin1Char('\n')
           + QString::number(status.errorNumber) + QLatin1Char(' ') + status.errorText;
}

}  // namespace quill
