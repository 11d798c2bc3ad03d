#pragma once

#include "ui/UserPrompts.h"

#include <QObject>
#include <QString>

class QWidget;
class RowAccess;

// File, Save: asks for a file name and writes the config text of the rows there. The name chosen
// is offered again by the next Save of the same main window; until then the dialog starts in
// startFolder.
class SaveCommand : public QObject {
    Q_OBJECT
public:
    SaveCommand(UserPrompts &prompts, const RowAccess &rows, QWidget *window, StartFolderLookup startFolder = {});

    void run();
    const QString &offeredFileName() const { return m_fileName; }

private:
    UserPrompts &m_prompts;
    const RowAccess &m_rows;
    QWidget *m_window;
    QString m_fileName;
    StartFolderLookup m_startFolder;
    bool m_fileChosen = false;
};
