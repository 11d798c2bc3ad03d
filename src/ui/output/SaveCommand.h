#pragma once

#include "core/output/ConfigText.h"
#include "ui/UserPrompts.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

class CurrentChoices;
class QWidget;

// File, Save: asks for a file name and writes the current choices there. The dialog offers the
// window's file, or the name chosen in it last, whichever came later; until either exists it starts
// in the game's config folder (startFolder). There, a save to config.cfg or to a new file of another
// name first tells which files the game runs, and offers autoexec.cfg. A new file holds the settings
// set in this window. An existing file is updated or replaced, as the user answers: updating the
// window's own file changes only what changed since it was opened or saved, updating another file
// writes every setting set in this window. Before a file is overwritten its bytes are copied into the
// backups, or the player agrees to save without a copy. A completed save makes the file the window's
// file.
class SaveCommand : public QObject {
    Q_OBJECT
public:
    // backups: the folder where a copy of each file saved over is kept first.
    SaveCommand(UserPrompts &prompts, CurrentChoices &choices, QWidget *window, QString backups,
                StartFolderLookup startFolder = {});

    // True when the save completed: the file was written, or already held the values.
    bool run();

signals:
    // What became of a completed save, for the description area.
    void told(const QString &text);

private:
    // What saving over an existing file comes to.
    struct OverExisting {
        enum { Write, AlreadyHeld, Cancelled } what;
        QByteArray bytes;
    };

    // In the game's config folder, where the player is told which files the game runs: the path to
    // save to, or nothing on Cancel.
    std::optional<QString> askWhereTheGameRunsIt(const QString &path, const QString &gameFolder);
    // Asks how to save over the existing file at path, which Update brings to `updated`'s values and
    // Replace makes a new config of `replaced`'s.
    OverExisting askHowToSaveOver(const QString &path, const QList<SettingLine> &updated,
                                  const QList<SettingLine> &replaced, bool windowFile);
    bool isWindowFile(const QString &path) const;

    UserPrompts &m_prompts;
    CurrentChoices &m_choices;
    QWidget *m_window;
    QString m_backups;
    QString m_offered;    // the name the dialog offers next
    QString m_windowFile; // the window's file when the dialog last offered a name
    StartFolderLookup m_startFolder;
};
