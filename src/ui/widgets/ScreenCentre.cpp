#include "ui/widgets/ScreenCentre.h"

#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}
