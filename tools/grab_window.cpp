// Saves one window of another program as a PNG: the Windows build's main window under Wine and Xvfb
// (tools/windows-zip-check.sh). Usage: QT_QPA_PLATFORM=xcb grab_window WINDOW_ID OUTPUT.png
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    bool isNumber = false;
    const WId window = QString::fromLocal8Bit(argv[1]).toULongLong(&isNumber, 0);
    if (!isNumber)
        return 2;
    return QGuiApplication::primaryScreen()->grabWindow(window).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
