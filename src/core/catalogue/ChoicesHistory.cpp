#include "core/catalogue/ChoicesHistory.h"

#include <cassert>

void ChoicesHistory::record(const Choices &before, const QString &name, std::optional<int> slider)
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
    Step step = m_undo.takeLast();
    m_redo.append({current, step.name});
    m_openSlider.reset();
    return step.other;
}

Choices ChoicesHistory::redo(const Choices &current)
{
    assert(canRedo());
    Step step = m_redo.takeLast();
    m_undo.append({current, step.name});
    m_openSlider.reset();
    return step.other;
}
