#include "ui/app/SplashWindow.h"

#include "ui/widgets/DesignFont.h"

#include "ui/widgets/ScreenCentre.h"

#include "core/app/ProgramVersion.h"
#include "ui/widgets/LinePanel.h"
#include "ui/widgets/LogoPicture.h"
#include "ui/widgets/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr int clientWidth = 7260;
constexpr int clientHeight = 3225;
constexpr QRgb darkGrey = 0x404040;
constexpr int lineRight = 6825;

QLabel *addLabel(QWidget *frame, const QString &objectName, const QString &text, qreal points)
{
    auto *label = new QLabel(text, frame);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setFont(DesignFont::arial(points));
    return label;
}

} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_timer(new QTimer(this))
{
    setObjectName(u"splash"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    setFixedSize(Twips::toPixels(clientWidth), Twips::toPixels(clientHeight));

    // Everything sits on the dark frame, in the 3-D highlight colour.
    auto *frame = new LinePanel(this);
    frame->setObjectName(u"Frame1"_s);
    frame->setGeometry(Twips::rect(105, 0, 7080, 3135));
    QPalette colours = frame->palette();
    const QColor highlight = colours.color(QPalette::Light);
    colours.setColor(QPalette::Window, QColor::fromRgb(darkGrey));
    colours.setColor(QPalette::WindowText, highlight);
    frame->setPalette(colours);
    frame->setAutoFillBackground(true);
    frame->addLine(3780, 1995, lineRight, 1995);

    auto *logo = new QLabel(frame);
    logo->setObjectName(u"imgLogo"_s);
    logo->setPixmap(QPixmap::fromImage(LogoPicture::make()));
    logo->setScaledContents(true);
    logo->setGeometry(Twips::rect(150, 240, 3375, 2745));

    QLabel *name = addLabel(frame, u"lblProductName"_s, u"Tunewick"_s, 32.25);
    name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    name->setGeometry(Twips::rect(3720, 240, 3135, 765));

    // Sized to its text and right-aligned, so it ends where the line under the name ends.
    QLabel *version = addLabel(frame, u"lblVersion"_s, ProgramVersion::current().labelText(), 12);
    version->setAlignment(Qt::AlignRight | Qt::AlignTop);
    version->adjustSize();
    version->move(Twips::toPixels(lineRight) - version->width(), Twips::toPixels(1680));

    m_timer->setObjectName(u"timer"_s);
    m_timer->setSingleShot(true);
    m_timer->setInterval(handOverMs);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::handOver);
    m_timer->start();
}

void SplashWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    centreOnScreen(*this);
    activateWindow();
}

void SplashWindow::mouseReleaseEvent(QMouseEvent *)
{
    // A click of any button; clicks on the frame, the logo and the labels arrive here too, since
    // none of them takes the mouse.
    handOver();
}

void SplashWindow::keyPressEvent(QKeyEvent *event)
{
    // Keys that type nothing (arrows, function keys, Shift alone) leave the splash up. Control
    // characters count: X11 sends Tab as "\t" and Ctrl+A as "\x01".
    const int key = event->key();
    const bool typesCharacter = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape
                                || key == Qt::Key_Backspace || !event->text().isEmpty();
    if (typesCharacter)
        handOver();
    else
        QWidget::keyPressEvent(event);
}

void SplashWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (m_handedOver)
        return;
    m_handedOver = true; // nothing hands over after this
    m_timer->stop();
    emit dismissed();
}

void SplashWindow::handOver()
{
    if (m_handedOver)
        return;
    m_handedOver = true;
    m_timer->stop();
    close();
    emit finished();
}
