#pragma once

#include "ui/UserPrompts.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

class CurrentChoices;
class QWidget;

// File, Save: asks for a file name and writes the config text of the current choices there. The name
// chosen is offered again by the next Save of the same main window; until then the dialog starts in
// the game's config folder (startFolder). There, a save to config.cfg or to a new file of another
// name first tells which files the game runs, and offers autoexec.cfg. An existing file is updated
// (only the settings set in this window change) or replaced, as the user answers.
class SaveCommand : public QObject {
    Q_OBJECT
public:
    SaveCommand(UserPrompts &prompts, const CurrentChoices &choices, QWidget *window,
                StartFolderLookup startFolder = {});

    void run();

private:
    // In the game's config folder, where the player is told which files the game runs: the path to
    // save to, or nothing on Cancel.
    std::optional<QString> askWhereTheGameRunsIt(const QString &path, const QString &gameFolder);
    // The bytes to write over the existing file at path, as the user chooses; nothing on Cancel.
    std::optional<QByteArray> askHowToSaveOver(const QString &path, const QString &shownName);

    UserPrompts &m_prompts;
    const CurrentChoices &m_choices;
    QWidget *m_window;
    QString m_fileName;
    StartFolderLookup m_startFolder;
    bool m_fileChosen = false;
};
