#pragma once

#include "ui/UserPrompts.h"

#include <QObject>
#include <QString>

class CurrentChoices;
class QWidget;

// File, Open: merges the values of a chosen config file into the current choices, as one step to
// undo, then lists in one box the values from the file the window cannot show. A cancelled dialog, a
// file that cannot be opened or a path that is no ordinary file leaves everything as it was, silently.
class OpenCommand : public QObject {
    Q_OBJECT
public:
    // window: the parent of the dialog and of this command. The command lives as long as the
    // window, so the dialog offers the file chosen last in it; until then it starts in startFolder.
    OpenCommand(UserPrompts &prompts, CurrentChoices &choices, QWidget *window, StartFolderLookup startFolder = {});

    void run();

private:
    UserPrompts &m_prompts;
    CurrentChoices &m_choices;
    QWidget *m_window;
    QString m_lastFile;
    StartFolderLookup m_startFolder;
};
