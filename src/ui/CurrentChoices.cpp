#include "ui/CurrentChoices.h"

CurrentChoices::CurrentChoices(QObject *parent)
    : QObject(parent)
{
}

void CurrentChoices::change(const Choices &value, const QString &name, std::optional<Catalogue::SettingId> slider)
{
    if (value == m_value)
        return;
    m_history.record(m_value, name, slider);
    replaceValue(value);
}

void CurrentChoices::undo()
{
    if (m_history.canUndo())
        replaceValue(m_history.undo(m_value));
}

void CurrentChoices::redo()
{
    if (m_history.canRedo())
        replaceValue(m_history.redo(m_value));
}

void CurrentChoices::replaceValue(const Choices &value)
{
    m_value = value;
    emit changed();
}
