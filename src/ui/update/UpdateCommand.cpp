#include "ui/update/UpdateCommand.h"

#include "core/app/BuildInfo.h"
#include "ui/UserPrompts.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

QString messageFor(UpdateChecker::Outcome outcome)
{
    switch (outcome) {
    case UpdateChecker::Outcome::NewVersion:
        return u"New version available! Go to "_s + QString::fromUtf8(BuildInfo::downloadPage)
               + u" to download it now!"_s;
    case UpdateChecker::Outcome::CurrentVersion:
        return u"You already have the current version!"_s;
    case UpdateChecker::Outcome::Failed:
        break;
    }
    return u"Sorry, there was a problem with getting the version number..."_s;
}

} // namespace

UpdateCommand::UpdateCommand(UserPrompts &prompts, QWidget *window)
    : QObject(window)
    , m_prompts(prompts)
    , m_window(window)
{
    setObjectName(u"updater"_s);
    useChecker(new UpdateChecker(UpdateChecker::builtInDocumentUrl(), UpdateChecker::defaultDeadline,
                                 UpdateChecker::defaultBodyCap, this));
}

void UpdateCommand::setDocument(const QUrl &documentUrl, std::chrono::milliseconds deadline)
{
    const bool wasRunning = m_checker->isRunning();
    delete m_checker; // a check under way ends silently
    useChecker(new UpdateChecker(documentUrl, deadline, UpdateChecker::defaultBodyCap, this));
    if (wasRunning)
        emit runningChanged(false);
}

void UpdateCommand::useChecker(UpdateChecker *checker)
{
    m_checker = checker;
    connect(m_checker, &UpdateChecker::finished, this, [this] { emit runningChanged(false); });
    // Queued: the box runs its own event loop, which should not start inside the network code's signals.
    connect(m_checker, &UpdateChecker::finished, this, &UpdateCommand::tell, Qt::QueuedConnection);
}

void UpdateCommand::run()
{
    if (m_checker->isRunning())
        return;
    m_checker->start();
    emit runningChanged(true);
}

void UpdateCommand::tell(UpdateChecker::Outcome outcome)
{
    m_prompts.inform(m_window, u"Updater"_s, messageFor(outcome));
}
