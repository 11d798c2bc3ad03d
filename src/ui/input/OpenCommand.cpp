#include "ui/input/OpenCommand.h"

#include "core/input/ConfigReader.h"
#include "core/input/OpenReport.h"
#include "ui/CurrentChoices.h"
#include "ui/UserPrompts.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

using namespace Qt::StringLiterals;

OpenCommand::OpenCommand(UserPrompts &prompts, CurrentChoices &choices, QWidget *window, StartFolderLookup startFolder)
    : QObject(window)
    , m_prompts(prompts)
    , m_choices(choices)
    , m_window(window)
    , m_startFolder(std::move(startFolder))
{
}

void OpenCommand::run()
{
    const QString startFolder = m_lastFile.isEmpty() && m_startFolder ? m_startFolder() : QString();
    const std::optional<QString> path =
        m_prompts.askOpenFileName(m_window, FileDialogRequest::forConfigs(u"Open a config"_s, m_lastFile, startFolder));
    if (!path)
        return;
    m_lastFile = *path;
    Choices opened = m_choices.value();
    ConfigReader reader(opened);
    if (!reader.readFile(*path))
        return;
    m_choices.change(opened, u"Open "_s + QFileInfo(*path).fileName());
    // The player learns at once what the next save would write differently from the file.
    const QList<OpenReport::Unshown> unshown = OpenReport::unshownValues(reader.lastValues(), opened);
    if (!unshown.isEmpty()) {
        m_prompts.inform(
            m_window, u"Open a config"_s,
            OpenReport::text(QDir::toNativeSeparators(*path), OpenReport::settingsRead(reader.lastValues()), unshown));
    }
}
