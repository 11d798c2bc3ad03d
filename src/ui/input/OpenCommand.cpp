#include "ui/input/OpenCommand.h"

#include "core/input/ConfigReader.h"
#include "ui/CurrentChoices.h"
#include "ui/UserPrompts.h"

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
    if (ConfigReader::readFile(*path, opened))
        m_choices.change(opened, u"Open "_s + QFileInfo(*path).fileName());
}
