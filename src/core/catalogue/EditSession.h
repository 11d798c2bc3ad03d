#pragma once

#include "core/catalogue/Choices.h"
#include "core/catalogue/ChoicesHistory.h"

#include <QString>

#include <optional>

// What one window edits: the player's choices with their Undo history, the file the window stands
// for, and which settings changed since that file was opened or saved. The marks sit beside the
// history, not in the values it restores: an Undo is an edit like any other, and marks what it alters.
class EditSession {
public:
    const Choices &value() const { return m_value; }
    const ChoicesHistory &history() const { return m_history; }
    const EditedFile &file() const { return m_file; }
    bool hasUnsavedChanges() const { return m_file.changed.any(); }

    // Takes a new value from an edit; `name` says what it did, for Undo. Marks each setting whose
    // value it alters. A value equal to the current one, its record of what was set included, changes
    // nothing and adds no step: false.
    bool edit(const Choices &value, const QString &name, std::optional<Catalogue::SettingId> slider = std::nullopt);
    // A completed Open of `path`, merged into `value`: the window's file from now on, with no marks.
    // One step, whose Undo gives back the file and the marks from before it.
    void open(const Choices &value, const QString &name, const QString &path);
    // A completed save to `path`: the window's file from now on, with no marks.
    void saved(const QString &path);

    void undo();
    void redo();

private:
    void move(const ChoicesHistory::Move &move);

    Choices m_value;
    ChoicesHistory m_history;
    EditedFile m_file;
};
