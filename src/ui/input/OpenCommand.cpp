#include "ui/input/OpenCommand.h"

#include "core/input/ConfigReader.h"
#include "ui/UserPrompts.h"

#include <QWidget>

using namespace Qt::StringLiterals;

OpenCommand::OpenCommand(UserPrompts &prompts, RowAccess &rows, QWidget *window)
    : QObject(window)
    , m_prompts(prompts)
    , m_rows(rows)
    , m_window(window)
{
}

void OpenCommand::run()
{
    const std::optional<QString> path =
        m_prompts.askOpenFileName(m_window, FileDialogRequest::forConfigs(u"Open a config"_s, m_lastFile));
    if (!path)
        return;
    m_lastFile = *path;
    ConfigReader::readFile(*path, m_rows);
}
