#include "ui/output/SaveCommand.h"

#include "core/output/AtomicWrite.h"
#include "core/output/ConfigText.h"
#include "ui/UserPrompts.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

const QString title = u"Save the config"_s;

} // namespace

SaveCommand::SaveCommand(UserPrompts &prompts, const RowAccess &rows, QWidget *window, StartFolderLookup startFolder)
    : QObject(window)
    , m_prompts(prompts)
    , m_rows(rows)
    , m_window(window)
    , m_fileName(u"tunewick.cfg"_s)
    , m_startFolder(std::move(startFolder))
{
}

void SaveCommand::run()
{
    const QString startFolder = !m_fileChosen && m_startFolder ? m_startFolder() : QString();
    const std::optional<QString> chosen =
        m_prompts.askSaveFileName(m_window, FileDialogRequest::forConfigs(title, m_fileName, startFolder));
    if (!chosen)
        return;
    // The dialog remembers what was chosen, whatever becomes of the save.
    m_fileName = *chosen;
    m_fileChosen = true;

    const QString shownName = QDir::toNativeSeparators(*chosen);
    const QFileInfo target(*chosen);
    if (target.exists() && !target.isDir()
        && !m_prompts.askYesNo(m_window, title, u"%1 already exists.\nDo you want to replace it?"_s.arg(shownName)))
        return;

    if (const std::optional<QString> reason = writeFileAtomically(*chosen, composeFileText(m_rows)))
        m_prompts.inform(m_window, title, u"The config could not be saved to %1:\n%2"_s.arg(shownName, *reason));
}
