#include "ui/output/PreviewCommand.h"

#include "core/output/ConfigText.h"
#include "ui/CurrentChoices.h"
#include "ui/output/PreviewWindow.h"

PreviewCommand::PreviewCommand(const CurrentChoices &choices, const StartupTables &tables, QObject *parent)
    : QObject(parent)
    , m_choices(choices)
    , m_tables(tables)
{
}

PreviewCommand::~PreviewCommand()
{
    // The preview never outlives the main window it belongs to.
    delete m_window;
}

void PreviewCommand::run()
{
    // A closed window is gone even while its deletion is still pending.
    const QString text = composePreviewText(m_choices.value(), m_tables);
    if (m_window && m_window->isVisible())
        m_window->showText(text);
    else
        m_window = new PreviewWindow(text); // no parent: a window of its own beside the main window
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
