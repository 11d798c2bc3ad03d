#include "core/catalogue/ChoicesHistory.h"

#include <cassert>

void ChoicesHistory::record(const Choices &before, const QString &name, std::optional<Catalogue::SettingId> slider,
                            std::optional<EditedFile> fileBefore)
{
    m_redo.clear();
    if (slider && slider == m_openSlider)
        return; // the step already holds the value before the slider first moved
    m_undo.append({before, std::move(fileBefore), name});
    m_openSlider = slider;
}

ChoicesHistory::Move ChoicesHistory::undo(const Choices &current, const EditedFile &currentFile)
{
    assert(canUndo());
    return step(m_undo, m_redo, current, currentFile);
}

ChoicesHistory::Move ChoicesHistory::redo(const Choices &current, const EditedFile &currentFile)
{
    assert(canRedo());
    return step(m_redo, m_undo, current, currentFile);
}

ChoicesHistory::Move ChoicesHistory::step(QList<Step> &from, QList<Step> &to, const Choices &current,
                                          const EditedFile &currentFile)
{
    Step taken = from.takeLast();
    to.append({current, taken.file ? std::optional(currentFile) : std::nullopt, taken.name});
    m_openSlider.reset();
    return {taken.other, taken.file};
}
