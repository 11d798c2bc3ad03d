#include "core/app/DataFolder.h"
#include "ui/QtUserPrompts.h"
#include "ui/app/AppController.h"
#include "ui/app/SplashWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tunewick"));
    // The program ends when the main window's close is confirmed, not whenever no window is open
    // (File, New closes the main window before it creates the next one).
    QApplication::setQuitOnLastWindowClosed(false);

    QtUserPrompts prompts;
    AppController controller(prompts, DataFolder::locate(QCoreApplication::applicationDirPath()),
                             [] { QCoreApplication::quit(); });
    auto *splash = new SplashWindow; // it deletes itself when it closes
    QObject::connect(splash, &SplashWindow::finished, &controller, &AppController::createMainWindow);
    QObject::connect(splash, &SplashWindow::dismissed, &app, &QCoreApplication::quit);
    splash->show();
    return QApplication::exec();
}
