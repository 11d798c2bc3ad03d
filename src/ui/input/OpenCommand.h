#pragma once

#include <QObject>
#include <QString>

class MainWindow;
class UserPrompts;

// File, Open: merges the values of a chosen config file into the rows. It reports nothing: a
// cancelled dialog or a file that cannot be opened leaves everything as it was.
class OpenCommand : public QObject {
    Q_OBJECT
public:
    // Lives as long as the window: the dialog offers the file chosen last in this window.
    OpenCommand(MainWindow &window, UserPrompts &prompts);

    void run();

private:
    MainWindow &m_window;
    UserPrompts &m_prompts;
    QString m_lastFile;
};
