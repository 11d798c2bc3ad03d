#include "ui/widgets/ScreenCentre.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace {

// Watches its window until the first show, then goes.
class FirstShowCentring final : public QObject {
public:
    explicit FirstShowCentring(QWidget &window)
        : QObject(&window)
        , m_window(window)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_window && event->type() == QEvent::Show) {
            centreOnScreen(m_window);
            m_window.removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget &m_window;
};

} // namespace

void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

void centreWhenFirstShown(QWidget &window)
{
    new FirstShowCentring(window);
}
