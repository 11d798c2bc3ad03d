#pragma once

#include "core/update/UpdateChecker.h"

#include <QObject>

class QWidget;
class UserPrompts;

// The Update command of the main window: runs the version check in the background,
// so the window stays usable, and tells the result in one "Updater" box.
class UpdateCommand : public QObject {
    Q_OBJECT
public:
    // window: the parent of the box and of this command.
    UpdateCommand(UserPrompts &prompts, QWidget *window);

    // Checks against another document from now on, for example a server of one's own.
    void setDocument(const QUrl &documentUrl, std::chrono::milliseconds deadline = UpdateChecker::defaultDeadline);

    // Starts a check; a click while one runs is ignored.
    void run();

signals:
    // A check has started (true) or ended (false), whatever its end: answer, failure or deadline.
    void runningChanged(bool running);

private:
    void useChecker(UpdateChecker *checker);
    void tell(UpdateChecker::Outcome outcome);

    UserPrompts &m_prompts;
    QWidget *m_window;
    UpdateChecker *m_checker = nullptr;
};
