#include "ui/input/OpenCommand.h"

#include "ui/app/MainWindow.h"
#include "ui/UserPrompts.h"
#include "core/input/ConfigReader.h"

#include <QAction>
#include <QFile>

using namespace Qt::StringLiterals;

OpenCommand::OpenCommand(MainWindow &window, UserPrompts &prompts)
    : QObject(&window)
    , m_window(window)
    , m_prompts(prompts)
{
    connect(window.menuAction(u"open"_s), &QAction::triggered, this, &OpenCommand::run);
}

void OpenCommand::run()
{
    const std::optional<QString> path =
        m_prompts.askOpenFileName(&m_window, FileDialogRequest::forConfigs(u"Open a config"_s, m_lastFile));
    if (!path)
        return;
    m_lastFile = *path;

    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    ConfigReader::read(file, m_window.rows());
}
