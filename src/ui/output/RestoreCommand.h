#pragma once

#include <QObject>
#include <QString>

#include <functional>

class CurrentChoices;
class QWidget;
class UserPrompts;

// File, Restore Backup: lists the copies kept of the window's file, writes the chosen one back over
// the file (keeping a copy of what it replaces) and opens the file as Open does.
class RestoreCommand : public QObject {
    Q_OBJECT
public:
    // backups: the folder of the copies. mayReplace asks whether unsaved changes may go; open opens a
    // file as File, Open does, as an Undo step of the given name.
    RestoreCommand(UserPrompts &prompts, CurrentChoices &choices, QWidget *window, QString backups,
                   std::function<bool()> mayReplace, std::function<bool(const QString &, const QString &)> open);

    // Whether the window's file has a copy to restore.
    bool available() const;
    void run();

signals:
    // What became of a completed restore, for the description area.
    void told(const QString &text);

private:
    UserPrompts &m_prompts;
    CurrentChoices &m_choices;
    QWidget *m_window;
    QString m_backups;
    std::function<bool()> m_mayReplace;
    std::function<bool(const QString &, const QString &)> m_open;
};
