#include "ui/input/OpenCommand.h"

#include "core/input/ConfigReader.h"
#include "ui/UserPrompts.h"

#include <QWidget>

using namespace Qt::StringLiterals;

OpenCommand::OpenCommand(UserPrompts &prompts, RowAccess &rows, QWidget *window, StartFolderLookup startFolder)
    : QObject(window)
    , m_prompts(prompts)
    , m_rows(rows)
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
    ConfigReader::readFile(*path, m_rows);
}
