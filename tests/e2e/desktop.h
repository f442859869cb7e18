#pragma once

// The real programs in a real X server: a private Xvfb, a fresh copy of the
// built program folder, the programs started in it, and xdotool, import and
// xclip to act and look as a player would. Every child process is ended when
// its owner goes, and also when the test process dies.

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace quill::e2e {

// What a helper did: empty when it worked, otherwise why it did not.
using Problem = QString;

// Fails the running test function with the problem, if there is one.
#define QUILL_E2E_OK(call)                                                    \
    do {                                                                      \
        const ::quill::e2e::Problem quillE2eProblem_ = (call);                \
        QVERIFY2(quillE2eProblem_.isEmpty(), qPrintable(quillE2eProblem_));   \
    } while (false)

// Polls `done` every `pollMs` until it holds or `timeoutMs` has passed.
bool waitUntil(const std::function<bool()>& done, int timeoutMs, int pollMs = 50);

struct ToolRun {
    bool finished = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a command line tool to its end, killed after `timeoutMs`.
ToolRun runTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment, int timeoutMs = 10000,
                const QByteArray& input = {});

// Makes a child process die with the test process.
void bindToTestProcess(QProcess& process);

using WindowId = qulonglong;

// One object of a program's accessibility tree, as a screen reader reads it.
struct AccessibleNode {
    QString path;  // child indices from the application object, "0/2/1"
    QString role;
    QString name;
    QString description;
    QString text;
    bool showing = false;
};
using AccessibleTree = std::vector<AccessibleNode>;

struct Window {
    WindowId id = 0;
    QRect geometry;  // on the screen; without a window manager this is the client area
};

// A private X server and the tools that act on it.
class Desktop {
public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Empty when the server runs; otherwise what went wrong.
    Problem startProblem() const { return startProblem_; }
    QString display() const { return display_; }

    // The environment for programs on this display: the xcb platform and
    // nothing of the headless setting the unit tests run with.
    QProcessEnvironment environment() const;

    ToolRun xdotool(const QStringList& arguments, int timeoutMs = 10000) const;

    // Visible windows whose title is exactly `title`, of process `pid` when
    // it is not 0.
    std::vector<Window> windows(const QString& title, qint64 pid = 0) const;
    // The same, or nothing when xdotool could not tell.
    std::optional<std::vector<Window>> searchWindows(const QString& title, qint64 pid = 0) const;
    std::optional<Window> waitForWindow(const QString& title, qint64 pid, int timeoutMs = 10000) const;
    bool waitForNoWindow(const QString& title, qint64 pid, int timeoutMs = 10000) const;
    std::optional<QRect> geometry(WindowId id) const;

    Problem focus(WindowId id) const;
    // Key names as xdotool knows them: "alt+f", "Return", "Down".
    Problem keys(const QStringList& names) const;
    Problem type(const QString& text) const;
    Problem click(QPoint at) const;
    // Presses the left button at `from`, moves in steps of at most `stepPx`
    // along the straight line to `to`, and releases there.
    Problem drag(QPoint from, QPoint to, int stepPx = 10) const;
    // Parks the pointer where it cannot hover over anything of interest.
    Problem parkPointer() const;

    // Waits for the message box `title` of process `pid`, gives it the
    // focus and presses `keys` ("Return" for its default button, "y", "n"
    // and "Escape" for Yes, No and Cancel); then waits until it is gone.
    Problem answer(const QString& title, qint64 pid, const QStringList& keys, int timeoutMs = 10000) const;

    QImage screenshot() const;
    bool saveScreenshot(const QString& path) const;

    // The clipboard's text, and a way to tell a fresh copy from an old one.
    std::optional<QString> clipboard() const;
    Problem clearClipboard();

    // A session bus with the accessibility bus on it, as a desktop with a
    // screen reader has; programs started afterwards expose their
    // accessibility tree there.
    Problem startAccessibility();
    // The tree of the program `pid`, read with python3-pyatspi.
    std::optional<AccessibleTree> accessibleTree(qint64 pid, Problem* problem = nullptr) const;

private:
    QProcess server_;
    QProcess sessionBus_;
    QProcess accessibilityBus_;
    QString sessionBusAddress_;
    // The buses' sockets, apart from any other desktop's.
    QTemporaryDir runtimeFolder_;
    std::vector<std::unique_ptr<QProcess>> holders_;
    QString display_;
    Problem startProblem_;
};

// Who runs a program. File modes bind an ordinary player but not root, so
// where a test needs them, a root test runs its programs as user nobody.
enum class Player { Tester, Unprivileged };

// A fresh program folder: a copy of the built one without the state a
// player's earlier runs may have left there (qlm.ini, saved/).
class ProgramFolder {
public:
    ProgramFolder();
    // Lends everything in the folder to the unprivileged player.
    Problem handToUnprivilegedPlayer() const;
    // Sets the permission bits of an entry (0 to 0777).
    bool setMode(const QString& name, int mode) const;
    ~ProgramFolder();
    Problem copyProblem() const { return copyProblem_; }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const;
    // Where the programs' own output goes, outside the program folder.
    QString logFile(const QString& name) const;
    // The player's data home (XDG_DATA_HOME) for the programs of this
    // folder, and the player's own folder of the programs in it, used
    // when the program folder cannot be written.
    QString playerDataHome() const { return home_.path(); }
    QString playerFolder() const { return home_.path() + QStringLiteral("/quillmere"); }

private:
    QTemporaryDir dir_;
    QTemporaryDir logs_;
    QTemporaryDir home_;
    Problem copyProblem_;
};

// One run of a program of the folder on the desktop.
class Program {
public:
    Program(const Desktop& desktop, const ProgramFolder& folder, const QString& name,
            Player player = Player::Tester);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Problem startProblem() const { return startProblem_; }
    qint64 pid() const { return process_.processId(); }
    bool running() const { return process_.state() != QProcess::NotRunning; }
    // True when the program ended within the time.
    bool waitForEnd(int timeoutMs = 10000);
    int exitCode() const { return process_.exitCode(); }
    // What the program wrote on its standard output and error.
    QByteArray output() const;

private:
    QProcess process_;
    Problem startProblem_;
    QString log_;
};

// Where a failing test leaves its screenshot.
QString screenshotPath(const QString& testName);

// What one test function works with: its own X server, its own program
// folder and the programs it starts there. Everything ends with it.
class Session {
public:
    Session() = default;
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Empty when the server runs and the folder was copied.
    Problem problem() const;
    Desktop& desktop() { return desktop_; }
    const ProgramFolder& folder() const { return folder_; }

    // Starts a program of the folder ("Quillmere", "QuillEd").
    Program& start(const QString& name, Player player = Player::Tester);

    // Leaves a screenshot of the whole screen when the running test
    // function has failed, named after the test program and function.
    void leaveScreenshotIfFailed();

private:
    Desktop desktop_;
    ProgramFolder folder_;
    std::vector<std::unique_ptr<Program>> programs_;
};

}  // namespace quill::e2e
