#include "ui/widgets/ValueSlider.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

ValueSlider::ValueSlider(QString variable, QString lowestCaption, QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
    , m_variable(std::move(variable))
    , m_lowestCaption(std::move(lowestCaption))
{
    // Drags, keys, page clicks and the wheel all arrive as actions, with the handle already moved.
    connect(this, &QAbstractSlider::actionTriggered, this, &ValueSlider::showValue);
}

bool ValueSlider::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QSlider::event(event);
    showValue();
    return true;
}

void ValueSlider::showValue()
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    // At the handle, not the pointer: keyboard users look where the value moves.
    const int position = sliderPosition();
    const QString shown =
        position == minimum() && !m_lowestCaption.isEmpty() ? m_lowestCaption : QString::number(position);
    QToolTip::showText(mapToGlobal(handle.center()), m_variable + u' ' + shown, this);
}
