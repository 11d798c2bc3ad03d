#include "ui/widgets/LinePanel.h"

#include "ui/widgets/Twips.h"

#include <QPainter>

LinePanel::LinePanel(QWidget *parent)
    : QWidget(parent)
{
}

void LinePanel::addLine(int x1, int y1, int x2, int y2)
{
    m_lines.emplace_back(Twips::point(x1, y1), Twips::point(x2, y2));
    update();
}

void LinePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const QLine &line : m_lines)
        painter.drawLine(line);
}
