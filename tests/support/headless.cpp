// Every suite runs headless, also when it is started by hand rather than by
// CTest, unless a platform was asked for; and whatever a program would keep
// in the player's own folder goes to a folder of the run, never to the
// tester's home.
#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

namespace {

QTemporaryDir* playerDataHome()
{
    static QTemporaryDir home;
    return &home;
}

const bool headless = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    qputenv("XDG_DATA_HOME", playerDataHome()->path().toLocal8Bit());
    return true;
}();

}  // namespace
