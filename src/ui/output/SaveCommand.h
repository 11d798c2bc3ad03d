#pragma once

#include "ui/UserPrompts.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

class CurrentChoices;
class QWidget;

// File, Save: asks for a file name and writes the config text of the current choices there. The name chosen
// is offered again by the next Save of the same main window; until then the dialog starts in
// startFolder. An existing file is updated (only the settings written change) or replaced, as the
// user answers.
class SaveCommand : public QObject {
    Q_OBJECT
public:
    SaveCommand(UserPrompts &prompts, const CurrentChoices &choices, QWidget *window, StartFolderLookup startFolder = {});

    void run();

private:
    // The bytes to write over the existing file at path, as the user chooses; nothing on Cancel.
    std::optional<QByteArray> askHowToSaveOver(const QString &path, const QString &shownName);

    UserPrompts &m_prompts;
    const CurrentChoices &m_choices;
    QWidget *m_window;
    QString m_fileName;
    StartFolderLookup m_startFolder;
    bool m_fileChosen = false;
};
