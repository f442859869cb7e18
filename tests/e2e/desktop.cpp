#include "tests/e2e/desktop.h"

#include "tests/support/fixtures.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quill::e2e {
namespace {

// The title as a whole-name xdotool pattern: anchored, with the
// metacharacters of extended regular expressions escaped.
QString anchoredPattern(const QString& title)
{
    static const QString special = QStringLiteral(".[]{}()\\*+?|^$");
    QString pattern = QStringLiteral("^");
    for (QChar ch : title) {
        if (special.contains(ch))
            pattern += QLatin1Char('\\');
        pattern += ch;
    }
    return pattern + QLatin1Char('$');
}

QString describe(const ToolRun& run)
{
    if (!run.finished)
        return QStringLiteral("did not finish in time");
    return QStringLiteral("exit code %1: %2").arg(run.exitCode).arg(QString::fromLocal8Bit(run.err.trimmed()));
}

Problem toolProblem(const QString& what, const ToolRun& run)
{
    if (run.finished && run.exitCode == 0)
        return {};
    return what + QStringLiteral(" failed, ") + describe(run);
}

bool copyTree(const QString& from, const QString& to, const QStringList& skipped)
{
    if (!QDir().mkpath(to))
        return false;
    const QDir source(from);
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (skipped.contains(entry.fileName()))
            continue;
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir()) {
            if (!copyTree(entry.filePath(), target, {}))
                return false;
        } else if (!QFile::copy(entry.filePath(), target)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool waitUntil(const std::function<bool()>& done, int timeoutMs, int pollMs)
{
    QElapsedTimer clock;
    clock.start();
    while (true) {
        if (done())
            return true;
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(static_cast<unsigned long>(pollMs));
    }
}

void bindToTestProcess(QProcess& process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

ToolRun runTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment, int timeoutMs, const QByteArray& input)
{
    ToolRun run;
    QProcess process;
    bindToTestProcess(process);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs)) {
        run.err = process.errorString().toLocal8Bit();
        return run;
    }
    if (!input.isEmpty()) {
        process.write(input);
        process.waitForBytesWritten(timeoutMs);
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        return run;
    }
    run.finished = process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

Desktop::Desktop()
{
    bindToTestProcess(server_);
    // With -displayfd the server picks a free display and writes its number
    // on our pipe once it accepts clients. Without -noreset it would reset
    // whenever its last client goes, and refuse the next program meanwhile.
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!server_.waitForStarted(10000)) {
        startProblem_ = QStringLiteral("Xvfb does not start (%1); scripts/install-deps installs it")
                            .arg(server_.errorString());
        return;
    }
    QByteArray number;
    const QDeadlineTimer deadline(15000);
    while (!number.contains('\n') && !deadline.hasExpired() && server_.state() == QProcess::Running) {
        server_.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
        number += server_.readAllStandardOutput();
    }
    if (!number.contains('\n')) {
        startProblem_ = QStringLiteral("Xvfb named no display: ")
                        + QString::fromLocal8Bit(server_.readAllStandardError());
        return;
    }
    display_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
}

Desktop::~Desktop()
{
    // Each bus leads a process group of its own, with the daemons it starts.
    for (QProcess* bus : {&accessibilityBus_, &sessionBus_}) {
        if (bus->state() == QProcess::NotRunning)
            continue;
        const pid_t group = static_cast<pid_t>(bus->processId());
        ::kill(-group, SIGTERM);
        if (!bus->waitForFinished(2000))
            bus->waitForFinished(0);
        ::kill(-group, SIGKILL);
        bus->waitForFinished(2000);
    }
    for (auto& holder : holders_) {
        holder->kill();
        holder->waitForFinished(2000);
    }
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(3000)) {
            server_.kill();
            server_.waitForFinished(2000);
        }
    }
}

QProcessEnvironment Desktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& key : env.keys()) {
        if (key.startsWith(QLatin1String("QT_QPA")) || key.contains(QLatin1String("SCALE_FACTOR"))
            || key == QLatin1String("WAYLAND_DISPLAY") || key == QLatin1String("QT_FONT_DPI"))
            env.remove(key);
    }
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // Only the bus of this desktop, never one the tester's session has.
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.remove(QStringLiteral("AT_SPI_BUS"));
    if (!sessionBusAddress_.isEmpty()) {
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder_.path());
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), sessionBusAddress_);
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    }
    return env;
}

Problem Desktop::startAccessibility()
{
    if (!sessionBusAddress_.isEmpty())
        return {};
    // Own process groups, so that the daemons the buses start end with
    // them, and no output channel that a test runner waits on.
    const auto ownGroup = [] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    };
    sessionBus_.setChildProcessModifier(ownGroup);
    sessionBus_.setStandardErrorFile(QProcess::nullDevice());
    sessionBus_.setProcessEnvironment(environment());
    sessionBus_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!sessionBus_.waitForStarted(10000))
        return QStringLiteral("dbus-daemon does not start; scripts/install-deps installs it");
    QByteArray address;
    const QDeadlineTimer deadline(10000);
    while (!address.contains('\n') && !deadline.hasExpired() && sessionBus_.state() == QProcess::Running) {
        sessionBus_.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
        address += sessionBus_.readAllStandardOutput();
    }
    if (!address.contains('\n'))
        return QStringLiteral("dbus-daemon named no address: ") + QString::fromLocal8Bit(sessionBus_.readAllStandardError());
    sessionBusAddress_ = QString::fromLocal8Bit(address.trimmed());
    if (!runtimeFolder_.isValid())
        return QStringLiteral("no temporary folder for the buses");

    accessibilityBus_.setChildProcessModifier(ownGroup);
    accessibilityBus_.setStandardOutputFile(QProcess::nullDevice());
    accessibilityBus_.setStandardErrorFile(QProcess::nullDevice());
    accessibilityBus_.setProcessEnvironment(environment());
    accessibilityBus_.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {QStringLiteral("--launch-immediately")});
    if (!accessibilityBus_.waitForStarted(10000))
        return QStringLiteral("at-spi-bus-launcher does not start; scripts/install-deps installs at-spi2-core");
    // The launcher takes its name on the session bus once the bus runs.
    const bool up = waitUntil([&] {
        const ToolRun run = runTool(QStringLiteral("dbus-send"),
                                    {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                                     QStringLiteral("--dest=org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                     QStringLiteral("org.a11y.Bus.GetAddress")},
                                    environment(), 3000);
        return run.finished && run.exitCode == 0;
    }, 10000, 100);
    return up ? Problem() : QStringLiteral("the accessibility bus did not come up");
}

std::optional<AccessibleTree> Desktop::accessibleTree(qint64 pid, Problem* problem) const
{
    const QString script = QDir(test::sourceFolder()).filePath(QStringLiteral("tests/e2e/atspi_tree.py"));
    // Debian's own Python, which python3-pyatspi belongs to.
    const ToolRun run = runTool(QStringLiteral("/usr/bin/python3"), {script, QString::number(pid)},
                                environment(), 20000);
    if (!run.finished || run.exitCode != 0) {
        if (problem)
            *problem = QStringLiteral("reading the accessibility tree failed, ") + describe(run);
        return std::nullopt;
    }
    AccessibleTree tree;
    for (const QByteArray& line : run.out.split('\n')) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (object.isEmpty())
            continue;
        tree.push_back({object.value(QStringLiteral("path")).toString(),
                        object.value(QStringLiteral("role")).toString(),
                        object.value(QStringLiteral("name")).toString(),
                        object.value(QStringLiteral("description")).toString(),
                        object.value(QStringLiteral("text")).toString(),
                        object.value(QStringLiteral("showing")).toBool()});
    }
    return tree;
}

ToolRun Desktop::xdotool(const QStringList& arguments, int timeoutMs) const
{
    return runTool(QStringLiteral("xdotool"), arguments, environment(), timeoutMs);
}

std::optional<std::vector<Window>> Desktop::searchWindows(const QString& title, qint64 pid) const
{
    QStringList arguments = {QStringLiteral("search"), QStringLiteral("--onlyvisible")};
    if (pid > 0)
        arguments << QStringLiteral("--pid") << QString::number(pid);
    arguments << QStringLiteral("--name") << anchoredPattern(title);
    const ToolRun run = xdotool(arguments);
    // Exit code 1 alone means that nothing matched; a window that vanished
    // while xdotool looked at it makes it fail with an X error instead.
    if (!run.finished || run.exitCode > 1 || !run.err.trimmed().isEmpty())
        return std::nullopt;
    std::vector<Window> found;
    for (const QByteArray& line : run.out.split('\n')) {
        bool ok = false;
        const WindowId id = line.trimmed().toULongLong(&ok);
        if (!ok)
            continue;
        // The pattern ignores case; titles here are compared exactly.
        const ToolRun name = xdotool({QStringLiteral("getwindowname"), QString::number(id)});
        if (!name.finished || name.exitCode != 0)
            return std::nullopt;
        if (QString::fromUtf8(name.out).chopped(name.out.endsWith('\n') ? 1 : 0) != title)
            continue;
        const std::optional<QRect> rect = geometry(id);
        if (!rect)
            return std::nullopt;
        found.push_back({id, *rect});
    }
    return found;
}

std::vector<Window> Desktop::windows(const QString& title, qint64 pid) const
{
    return searchWindows(title, pid).value_or(std::vector<Window>{});
}

std::optional<Window> Desktop::waitForWindow(const QString& title, qint64 pid, int timeoutMs) const
{
    std::optional<Window> window;
    waitUntil(
        [&] {
            const std::optional<std::vector<Window>> found = searchWindows(title, pid);
            if (found && found->size() == 1)
                window = found->front();
            return window.has_value();
        },
        timeoutMs, 100);
    return window;
}

bool Desktop::waitForNoWindow(const QString& title, qint64 pid, int timeoutMs) const
{
    // Two looks in a row that worked and found nothing.
    int confirmed = 0;
    return waitUntil(
        [&] {
            const std::optional<std::vector<Window>> found = searchWindows(title, pid);
            confirmed = found && found->empty() ? confirmed + 1 : 0;
            return confirmed >= 2;
        },
        timeoutMs, 100);
}

std::optional<QRect> Desktop::geometry(WindowId id) const
{
    const ToolRun run = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
                                 QString::number(id)});
    if (!run.finished || run.exitCode != 0)
        return std::nullopt;
    int x = 0, y = 0, width = -1, height = -1;
    for (const QByteArray& line : run.out.split('\n')) {
        const int eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = line.left(eq);
        const int value = line.mid(eq + 1).trimmed().toInt();
        if (key == "X")
            x = value;
        else if (key == "Y")
            y = value;
        else if (key == "WIDTH")
            width = value;
        else if (key == "HEIGHT")
            height = value;
    }
    if (width < 0 || height < 0)
        return std::nullopt;
    return QRect(x, y, width, height);
}

Problem Desktop::focus(WindowId id) const
{
    // There is no window manager: the window is given the input focus itself.
    return toolProblem(QStringLiteral("xdotool windowfocus"),
                       xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(id)}));
}

Problem Desktop::keys(const QStringList& names) const
{
    return toolProblem(QStringLiteral("xdotool key ") + names.join(QLatin1Char(' ')),
                       xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"),
                                           QStringLiteral("30")}
                               + names));
}

Problem Desktop::type(const QString& text) const
{
    return toolProblem(QStringLiteral("xdotool type"),
                       xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text}));
}

Problem Desktop::click(QPoint at) const
{
    return toolProblem(QStringLiteral("xdotool click"),
                       xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                                QStringLiteral("sleep"), QStringLiteral("0.05"), QStringLiteral("click"),
                                QStringLiteral("1")}));
}

Problem Desktop::drag(QPoint from, QPoint to, int stepPx) const
{
    const QPoint delta = to - from;
    const int distance = std::max(std::abs(delta.x()), std::abs(delta.y()));
    const int steps = std::max(1, (distance + stepPx - 1) / stepPx);
    QStringList arguments = {QStringLiteral("mousemove"), QString::number(from.x()),
                             QString::number(from.y()), QStringLiteral("sleep"), QStringLiteral("0.05"),
                             QStringLiteral("mousedown"), QStringLiteral("1")};
    for (int i = 1; i <= steps; ++i) {
        const QPoint at = from + delta * i / steps;
        arguments << QStringLiteral("sleep") << QStringLiteral("0.02") << QStringLiteral("mousemove")
                  << QString::number(at.x()) << QString::number(at.y());
    }
    arguments << QStringLiteral("sleep") << QStringLiteral("0.05") << QStringLiteral("mouseup")
              << QStringLiteral("1");
    return toolProblem(QStringLiteral("xdotool drag"), xdotool(arguments));
}

Problem Desktop::parkPointer() const
{
    return toolProblem(QStringLiteral("xdotool mousemove"),
                       xdotool({QStringLiteral("mousemove"), QStringLiteral("2"), QStringLiteral("2")}));
}

Problem Desktop::answer(const QString& title, qint64 pid, const QStringList& keys, int timeoutMs) const
{
    const std::optional<Window> box = waitForWindow(title, pid, timeoutMs);
    if (!box)
        return QStringLiteral("no window \"%1\" appeared").arg(title);
    if (Problem p = focus(box->id); !p.isEmpty())
        return p;
    if (Problem p = this->keys(keys); !p.isEmpty())
        return p;
    if (!waitForNoWindow(title, pid, timeoutMs))
        return QStringLiteral("\"%1\" stayed after %2").arg(title, keys.join(QLatin1Char(' ')));
    return {};
}

QImage Desktop::screenshot() const
{
    const ToolRun run = runTool(QStringLiteral("import"),
                                {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")},
                                environment(), 15000);
    QImage image;
    if (run.finished && run.exitCode == 0)
        image.loadFromData(run.out, "PNG");
    return image.convertToFormat(QImage::Format_RGB32);
}

bool Desktop::saveScreenshot(const QString& path) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QImage image = screenshot();
    return !image.isNull() && image.save(path, "PNG");
}

std::optional<QString> Desktop::clipboard() const
{
    const ToolRun run = runTool(QStringLiteral("xclip"),
                                {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")},
                                environment(), 5000);
    if (!run.finished || run.exitCode != 0)
        return std::nullopt;
    return QString::fromUtf8(run.out);
}

Problem Desktop::clearClipboard()
{
    // xclip keeps serving its text in the foreground until a program takes
    // the clipboard over; it is ended with the desktop at the latest.
    auto holder = std::make_unique<QProcess>();
    bindToTestProcess(*holder);
    holder->setProcessEnvironment(environment());
    holder->setStandardOutputFile(QProcess::nullDevice());
    holder->setStandardErrorFile(QProcess::nullDevice());
    holder->start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-i"),
                                            QStringLiteral("-selection"), QStringLiteral("clipboard")});
    if (!holder->waitForStarted(5000))
        return QStringLiteral("xclip does not start; scripts/install-deps installs it");
    holder->write("(nothing copied)");
    // Without an event loop the text only reaches xclip when waited for.
    holder->waitForBytesWritten(5000);
    holder->closeWriteChannel();
    holders_.push_back(std::move(holder));
    const bool held = waitUntil([&] { return clipboard() == QStringLiteral("(nothing copied)"); }, 5000);
    return held ? Problem() : QStringLiteral("the clipboard could not be cleared");
}

ProgramFolder::ProgramFolder()
{
    const QString built = test::builtProgramFolder();
    if (built.isEmpty() || !QFileInfo(built).isDir()) {
        copyProblem_ = QStringLiteral("no built program folder at ") + built;
        return;
    }
    if (!dir_.isValid()) {
        copyProblem_ = QStringLiteral("no temporary folder: ") + dir_.errorString();
        return;
    }
    if (!copyTree(built, dir_.path(),
                  {QStringLiteral("qlm.ini"), QStringLiteral("saved"), QStringLiteral("qlm-progress.txt")}))
        copyProblem_ = QStringLiteral("copying %1 failed").arg(built);
}

namespace {

// The user nobody of Debian's base system.
constexpr uid_t kUnprivilegedUid = 65534;
constexpr gid_t kUnprivilegedGid = 65534;

}  // namespace

Problem ProgramFolder::handToUnprivilegedPlayer() const
{
    if (::geteuid() != 0)
        return {};
    // The temporary folders start closed to everyone else.
    for (const QTemporaryDir* folder : {&dir_, &home_}) {
        if (::chmod(QFile::encodeName(folder->path()).constData(), 0755) != 0)
            return QStringLiteral("cannot open %1 to other users").arg(folder->path());
    }
    QStringList entries{dir_.path(), home_.path()};
    QDirIterator it(dir_.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next();
    for (const QString& entry : entries) {
        if (::lchown(QFile::encodeName(entry).constData(), kUnprivilegedUid, kUnprivilegedGid) != 0)
            return QStringLiteral("cannot hand %1 to user nobody").arg(entry);
    }
    return {};
}

bool ProgramFolder::setMode(const QString& name, int mode) const
{
    const QString path = name.isEmpty() ? dir_.path() : file(name);
    return ::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode)) == 0;
}

ProgramFolder::~ProgramFolder()
{
    // Whatever a test closed is opened again, so that the folder can go.
    if (!dir_.isValid())
        return;
    setMode(QString(), 0755);
    QDirIterator it(dir_.path(), QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        ::chmod(QFile::encodeName(it.next()).constData(), 0755);
}

QString ProgramFolder::file(const QString& name) const
{
    return QDir(dir_.path()).filePath(name);
}

QString ProgramFolder::logFile(const QString& name) const
{
    return QDir(logs_.path()).filePath(name + QStringLiteral(".log"));
}

Program::Program(const Desktop& desktop, const ProgramFolder& folder, const QString& name, Player player)
{
    bindToTestProcess(process_);
    QProcessEnvironment environment = desktop.environment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder.playerDataHome());
    process_.setProcessEnvironment(environment);
    process_.setWorkingDirectory(folder.path());
    // A file, not a pipe: nobody reads a pipe while the test waits, and a
    // full one would stop the program.
    log_ = folder.logFile(name);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(log_, QIODevice::Append);
    if (player == Player::Unprivileged && ::geteuid() == 0) {
        process_.start(QStringLiteral("setpriv"),
                       {QStringLiteral("--reuid=%1").arg(kUnprivilegedUid),
                        QStringLiteral("--regid=%1").arg(kUnprivilegedGid), QStringLiteral("--clear-groups"),
                        // Changing the user clears the parent-death signal; set it again.
                        QStringLiteral("--pdeathsig=KILL"), folder.file(name)});
    } else {
        process_.start(folder.file(name), {});
    }
    if (!process_.waitForStarted(10000))
        startProblem_ = QStringLiteral("%1 does not start: %2").arg(name, process_.errorString());
}

Program::~Program()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

bool Program::waitForEnd(int timeoutMs)
{
    if (process_.state() == QProcess::NotRunning)
        return true;
    return process_.waitForFinished(timeoutMs);
}

QByteArray Program::output() const
{
    QFile log(log_);
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

QString screenshotPath(const QString& testName)
{
    QString folder = qEnvironmentVariable("QUILL_E2E_SCREENSHOTS");
    if (folder.isEmpty())
        folder = QStringLiteral(QUILL_E2E_SCREENSHOT_DIR);
    return QDir(folder).filePath(testName + QStringLiteral(".png"));
}

Session::~Session()
{
    // Programs first, while their display still exists.
    programs_.clear();
}

Problem Session::problem() const
{
    if (!desktop_.startProblem().isEmpty())
        return desktop_.startProblem();
    return folder_.copyProblem();
}

Program& Session::start(const QString& name, Player player)
{
    programs_.push_back(std::make_unique<Program>(desktop_, folder_, name, player));
    return *programs_.back();
}

void Session::leaveScreenshotIfFailed()
{
    if (!QTest::currentTestFailed() || !desktop_.startProblem().isEmpty())
        return;
    QString name = QCoreApplication::applicationName() + QLatin1Char('-')
                   + QLatin1String(QTest::currentTestFunction());
    if (const char* tag = QTest::currentDataTag())
        name += QLatin1Char('-') + QString::fromLatin1(tag).replace(QLatin1Char(' '), QLatin1Char('_'));
    const QString path = screenshotPath(name);
    if (desktop_.saveScreenshot(path))
        qInfo("screenshot of the failure: %s", qPrintable(path));
}

}  // namespace quill::e2e
