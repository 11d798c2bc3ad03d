#pragma once

#include "ui/UserPrompts.h"

#include <QObject>
#include <QString>

#include <functional>

class CurrentChoices;
class QWidget;

// File, Open: merges the values of a chosen config file into the current choices, as one step to
// undo, makes it the window's file, then lists in one box the values from the file the window cannot
// show. A cancelled dialog, a file that cannot be opened or a path that is no ordinary file leaves
// everything as it was, silently.
class OpenCommand : public QObject {
    Q_OBJECT
public:
    // window: the parent of the dialog and of this command. The command lives as long as the window,
    // so the dialog offers the window's file or the file chosen last in it, whichever came later;
    // until either exists it starts in startFolder. mayReplace asks, before the dialog, whether
    // unsaved changes may go; false stops the Open.
    OpenCommand(UserPrompts &prompts, CurrentChoices &choices, QWidget *window, StartFolderLookup startFolder = {},
                std::function<bool()> mayReplace = {});

    void run();
    // Merges the file at path into the current choices as the step `stepName`, makes it the window's
    // file and reports what the window cannot show; false, with nothing changed, when it cannot be read.
    bool openFile(const QString &path, const QString &stepName);

private:
    UserPrompts &m_prompts;
    CurrentChoices &m_choices;
    QWidget *m_window;
    QString m_offered;    // the file the dialog offers next
    QString m_windowFile; // the window's file when the dialog last offered one
    StartFolderLookup m_startFolder;
    std::function<bool()> m_mayReplace;
};
