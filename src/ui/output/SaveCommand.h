#pragma once

#include <QObject>
#include <QString>

class QWidget;
class RowAccess;
class UserPrompts;

// File, Save: asks for a file name and writes the config text of the rows there. The name chosen
// is offered again by the next Save of the same main window.
class SaveCommand : public QObject {
    Q_OBJECT
public:
    SaveCommand(UserPrompts &prompts, const RowAccess &rows, QWidget *window);

    void run();
    const QString &offeredFileName() const { return m_fileName; }

private:
    UserPrompts &m_prompts;
    const RowAccess &m_rows;
    QWidget *m_window;
    QString m_fileName;
};
