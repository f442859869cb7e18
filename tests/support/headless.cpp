// Every suite runs headless, also when it is started by hand rather than by
// CTest, unless a platform was asked for.
#include <QByteArray>
#include <QtGlobal>

namespace {

const bool headless = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    return true;
}();

}  // namespace
