#pragma once

#include "core/catalogue/Choices.h"

#include <QList>
#include <QString>

#include <bitset>
#include <optional>

// The file a window edits, and which settings changed since it was opened or saved.
struct EditedFile {
    QString path; // empty when the window edits no file
    std::bitset<Catalogue::settingCount> changed;

    bool operator==(const EditedFile &) const = default;
};

// Undo and Redo over whole values of the choices. Each step keeps the value before it and a name
// for what it did ("High FPS preset"). Consecutive changes of one slider make one step. A step that
// opened a file also keeps the edited file before it, which Undo gives back.
class ChoicesHistory {
public:
    // `before` became something else through the change `name`. A change of the same slider as the
    // step before it, with nothing else between, joins that step. `fileBefore`: for a step that
    // opened a file, the edited file it left.
    void record(const Choices &before, const QString &name, std::optional<Catalogue::SettingId> slider = std::nullopt,
                std::optional<EditedFile> fileBefore = std::nullopt);

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    // What Undo or Redo would take back or do again; empty when there is nothing.
    QString undoName() const { return canUndo() ? m_undo.last().name : QString(); }
    QString redoName() const { return canRedo() ? m_redo.last().name : QString(); }

    // Where a move goes: the choices, and for a step that opened a file, the edited file.
    struct Move {
        Choices choices;
        std::optional<EditedFile> file;
    };
    // The value before the last step, given the value and edited file now, which Redo brings back.
    Move undo(const Choices &current, const EditedFile &currentFile);
    // The value after the step last taken back, given the value and edited file now.
    Move redo(const Choices &current, const EditedFile &currentFile);

private:
    struct Step {
        Choices other; // the value to go back to, or forward to
        std::optional<EditedFile> file;
        QString name;
    };

    // Takes the last step of `from`, keeps what is now in its place on `to`, and gives where it goes.
    Move step(QList<Step> &from, QList<Step> &to, const Choices &current, const EditedFile &currentFile);

    QList<Step> m_undo;
    QList<Step> m_redo;
    std::optional<Catalogue::SettingId> m_openSlider; // the slider whose changes still join the last step
};
