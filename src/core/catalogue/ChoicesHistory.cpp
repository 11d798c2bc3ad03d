#include "core/catalogue/ChoicesHistory.h"

#include <cassert>

void ChoicesHistory::record(const Choices &before, const QString &name, std::optional<Catalogue::SettingId> slider)
{
    m_redo.clear();
    if (slider && slider == m_openSlider)
        return; // the step already holds the value before the slider first moved
    m_undo.append({before, name});
    m_openSlider = slider;
}

Choices ChoicesHistory::undo(const Choices &current)
{
    assert(canUndo());
    return step(m_undo, m_redo, current);
}

Choices ChoicesHistory::redo(const Choices &current)
{
    assert(canRedo());
    return step(m_redo, m_undo, current);
}

Choices ChoicesHistory::step(QList<Step> &from, QList<Step> &to, const Choices &current)
{
    Step taken = from.takeLast();
    to.append({current, taken.name});
    m_openSlider.reset();
    return taken.other;
}
