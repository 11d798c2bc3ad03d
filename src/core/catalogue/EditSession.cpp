#include "core/catalogue/EditSession.h"

namespace {

// The settings whose values differ.
std::bitset<Catalogue::settingCount> altered(const Choices &before, const Choices &after)
{
    std::bitset<Catalogue::settingCount> marks;
    for (const Catalogue::SettingId setting : Catalogue::allSettings())
        marks[static_cast<size_t>(setting.place())] = before.value(setting) != after.value(setting);
    return marks;
}

} // namespace

bool EditSession::edit(const Choices &value, const QString &name, std::optional<Catalogue::SettingId> slider)
{
    if (value == m_value)
        return false;
    m_history.record(m_value, name, slider);
    m_file.changed |= altered(m_value, value);
    m_value = value;
    return true;
}

void EditSession::open(const Choices &value, const QString &name, const QString &path)
{
    m_history.record(m_value, name, std::nullopt, m_file);
    m_value = value;
    m_file = {path, {}};
}

void EditSession::saved(const QString &path)
{
    m_file = {path, {}};
}

void EditSession::undo()
{
    if (m_history.canUndo())
        move(m_history.undo(m_value, m_file));
}

void EditSession::redo()
{
    if (m_history.canRedo())
        move(m_history.redo(m_value, m_file));
}

void EditSession::move(const ChoicesHistory::Move &move)
{
    if (move.file)
        m_file = *move.file;
    else
        m_file.changed |= altered(m_value, move.choices);
    m_value = move.choices;
}
