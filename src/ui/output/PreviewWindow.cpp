#include "ui/output/PreviewWindow.h"

#include "ui/widgets/DesignFont.h"
#include "ui/widgets/ScreenCentre.h"
#include "ui/widgets/Twips.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

PreviewWindow::PreviewWindow(const QString &text)
{
    setObjectName(u"preview"_s);
    centreWhenFirstShown(*this);
    setWindowTitle(u"Preview"_s);
    // Without title bar and border; the drawn lines stand in for the frame and Close is the only way out.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DesignFont::arial());
    setFixedSize(Twips::toPixels(6645), Twips::toPixels(8445));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(u"txtprv"_s);
    m_text->setGeometry(Twips::rect(105, 105, 6420, 7785));
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setAccessibleName(u"Config text"_s);
    QPalette yellow = m_text->palette();
    yellow.setColor(QPalette::Base, QColor(255, 255, 192));
    m_text->setPalette(yellow);

    auto *close = new QPushButton(u"Close"_s, this);
    close->setObjectName(u"close"_s);
    close->setGeometry(Twips::rect(105, 7980, 6420, 330));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    setTabOrder(close, m_text);
    close->setFocus();

    addLine(0, 0, 0, 8400);
    addLine(6615, 0, 6615, 8400);
    addLine(0, 0, 6615, 0);
    addLine(0, 8400, 6615, 8400);
    addLine(105, 7905, 6520, 7905);
    addLine(6520, 105, 6520, 7900);
    addLine(95, 7875, 95, 95);
    addLine(6510, 95, 95, 95);

    showText(text);
}

void PreviewWindow::showText(const QString &text)
{
    m_text->setPlainText(text);
    m_text->moveCursor(QTextCursor::Start);
}

void PreviewWindow::keyPressEvent(QKeyEvent *event)
{
    // The window has no title bar, so Escape is the keyboard's way out besides tabbing to Close.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        LinePanel::keyPressEvent(event);
}
