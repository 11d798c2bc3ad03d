#pragma once

#include "core/catalogue/EditSession.h"

#include <QObject>

#include <optional>

// The choices one main window shows, with their Undo history, the file the window edits and what
// changed since it was opened or saved. The controls report each edit here, the commands read the
// value and put new values here, and every change is told to whoever shows it.
class CurrentChoices : public QObject {
    Q_OBJECT
public:
    explicit CurrentChoices(QObject *parent = nullptr);

    const Choices &value() const { return m_session.value(); }
    const ChoicesHistory &history() const { return m_session.history(); }
    const EditedFile &file() const { return m_session.file(); }
    bool hasUnsavedChanges() const { return m_session.hasUnsavedChanges(); }

    // Takes a new value from an edit or a command; `name` says what it did, for Undo. A value equal to
    // the current one, its record of what was set included, changes nothing and adds no step. Changes
    // of one slider in a row are one step.
    void change(const Choices &value, const QString &name, std::optional<Catalogue::SettingId> slider = std::nullopt);
    // A completed Open of `path`, which the window edits from now on.
    void open(const Choices &value, const QString &name, const QString &path);
    // A completed save to `path`, which the window edits from now on.
    void saved(const QString &path);
    void undo();
    void redo();

signals:
    // The value, the history or the edited file changed.
    void changed();

private:
    EditSession m_session;
};
