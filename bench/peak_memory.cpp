// Prints the peak resident memory (VmHWM) of a process that shows either the program's own
// windows ("tunewick") or a bare Qt Widgets window ("bare"), after the window has settled.
#include "Silent.h"

#include "ui/app/AppController.h"
#include "ui/app/SplashWindow.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// How long the shown window is left to settle (layout, first paint, deferred work).
constexpr int settleMs = 1000;

QByteArray statusLine(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return {};
    // The file reports no size, so it is read whole rather than line by line up to its end.
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(key))
            return line.simplified();
    }
    return {};
}

int usage()
{
    std::fprintf(stderr, "usage: peak_memory tunewick|bare\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2)
        return usage();
    const bool program = std::strcmp(argv[1], "tunewick") == 0;
    if (!program && std::strcmp(argv[1], "bare") != 0)
        return usage();

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    SilentPrompts prompts;
    SilentSound sound;
    AppController controller(prompts, QStringLiteral(TUNEWICK_BUILD_DATA_DIR), [] {});
    controller.setStartupSound(sound);
    std::unique_ptr<QWidget> bare;

    // exit(), not quit(): quit() first asks every window to close, and the main window asks the user.
    const auto settleThenQuit = [] { QTimer::singleShot(settleMs, qApp, [] { QCoreApplication::exit(0); }); };
    if (program) {
        // As the program starts: the splash, then the main window it hands over to.
        auto *splash = new SplashWindow;
        QObject::connect(splash, &SplashWindow::finished, &controller, [&controller, settleThenQuit] {
            controller.createMainWindow();
            settleThenQuit();
        });
        splash->show();
    } else {
        bare = std::make_unique<QWidget>();
        bare->resize(449, 580); // about the main window's size
        bare->show();
        settleThenQuit();
    }
    QApplication::exec();

    std::printf("%s %s\n", argv[1], statusLine("VmHWM").constData());
    std::printf("%s %s\n", argv[1], statusLine("VmRSS").constData());
    delete controller.mainWindow();
    return 0;
}
