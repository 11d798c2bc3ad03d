#pragma once

#include "core/catalogue/Choices.h"
#include "core/catalogue/ChoicesHistory.h"

#include <QObject>

#include <optional>

// The choices one main window shows, with their Undo history. The controls report each edit here,
// the commands read the value and put new values here, and every change is told to whoever shows it.
class CurrentChoices : public QObject {
    Q_OBJECT
public:
    explicit CurrentChoices(QObject *parent = nullptr);

    const Choices &value() const { return m_value; }
    const ChoicesHistory &history() const { return m_history; }

    // Takes a new value from an edit or a command; `name` says what it did, for Undo. A value equal to
    // the current one, its record of what was set included, changes nothing and adds no step. Changes
    // of one slider in a row are one step.
    void change(const Choices &value, const QString &name, std::optional<Catalogue::SettingId> slider = std::nullopt);
    void undo();
    void redo();

signals:
    // The value, and with it the history, changed.
    void changed();

private:
    void replaceValue(const Choices &value);

    Choices m_value;
    ChoicesHistory m_history;
};
