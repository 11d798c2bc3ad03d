#pragma once

#include "core/catalogue/Choices.h"

#include <QList>
#include <QString>

#include <optional>

// Undo and Redo over whole values of the choices. Each step keeps the value before it and a name
// for what it did ("High FPS preset"). Consecutive changes of one slider make one step.
class ChoicesHistory {
public:
    // `before` became something else through the change `name`. A change of the same slider as the
    // step before it, with nothing else between, joins that step.
    void record(const Choices &before, const QString &name, std::optional<Catalogue::SettingId> slider = std::nullopt);

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    // What Undo or Redo would take back or do again; empty when there is nothing.
    QString undoName() const { return canUndo() ? m_undo.last().name : QString(); }
    QString redoName() const { return canRedo() ? m_redo.last().name : QString(); }

    // The value before the last step, given the value now, which Redo brings back.
    Choices undo(const Choices &current);
    // The value after the step last taken back, given the value now.
    Choices redo(const Choices &current);

private:
    struct Step {
        Choices other; // the value to go back to, or forward to
        QString name;
    };

    // Takes the last step of `from`, keeps `current` in its place on `to`, and gives the step's value.
    Choices step(QList<Step> &from, QList<Step> &to, const Choices &current);

    QList<Step> m_undo;
    QList<Step> m_redo;
    std::optional<Catalogue::SettingId> m_openSlider; // the slider whose changes still join the last step
};
