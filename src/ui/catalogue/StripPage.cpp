#include "ui/catalogue/StripPage.h"

#include "ui/catalogue/CatalogueLayout.h"
#include "ui/widgets/LinePanel.h"
#include "ui/widgets/Twips.h"

#include <QTabWidget>

StripPage::StripPage(QWidget *parent)
    : QWidget(parent)
    , m_canvas(new LinePanel(this))
{
    m_canvas->resize(Twips::toPixels(CatalogueLayout::stripWidth), Twips::toPixels(CatalogueLayout::stripHeight));
}

void StripPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    alignCanvas();
}

void StripPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    alignCanvas();
}

void StripPage::alignCanvas()
{
    for (QWidget *ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (qobject_cast<QTabWidget *>(ancestor)) {
            m_canvas->move(-mapTo(ancestor, QPoint(0, 0)));
            return;
        }
    }
}
