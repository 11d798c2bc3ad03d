#include "ui/CurrentChoices.h"

CurrentChoices::CurrentChoices(QObject *parent)
    : QObject(parent)
{
}

void CurrentChoices::change(const Choices &value, const QString &name, std::optional<Catalogue::SettingId> slider)
{
    if (m_session.edit(value, name, slider))
        emit changed();
}

void CurrentChoices::open(const Choices &value, const QString &name, const QString &path)
{
    m_session.open(value, name, path);
    emit changed();
}

void CurrentChoices::saved(const QString &path)
{
    m_session.saved(path);
    emit changed();
}

void CurrentChoices::undo()
{
    m_session.undo();
    emit changed();
}

void CurrentChoices::redo()
{
    m_session.redo();
    emit changed();
}
