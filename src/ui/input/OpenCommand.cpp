#include "ui/input/OpenCommand.h"

#include "core/catalogue/CatalogueText.h"
#include "core/input/ConfigReader.h"
#include "core/input/OpenReport.h"
#include "ui/CurrentChoices.h"
#include "ui/UserPrompts.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// The box that tells the player which values from the file the window cannot show.
QString reportText(const QString &shownName, int settingsRead, const QList<OpenReport::Unshown> &unshown)
{
    const QString read = settingsRead == 1 ? u"1 setting was"_s : u"%1 settings were"_s.arg(settingsRead);
    QStringList lines{u"%1 read from %2. The window cannot show these values from the file, and shows instead:"_s.arg(
                          read, shownName),
                      QString()};
    for (const OpenReport::Unshown &each : unshown)
        lines << u"%1 %2: %3"_s.arg(toQString(Catalogue::setting(each.setting).name), each.fileText, each.shown);
    lines << QString() << u"Saving over the file with Update keeps these values, unless you set them in this window."_s;
    return lines.join(u'\n');
}

} // namespace

OpenCommand::OpenCommand(UserPrompts &prompts, CurrentChoices &choices, QWidget *window, StartFolderLookup startFolder,
                         std::function<bool()> mayReplace)
    : QObject(window)
    , m_prompts(prompts)
    , m_choices(choices)
    , m_window(window)
    , m_startFolder(std::move(startFolder))
    , m_mayReplace(std::move(mayReplace))
{
}

void OpenCommand::run()
{
    if (m_mayReplace && !m_mayReplace())
        return;
    // The window's file is offered when it came after the file last chosen here.
    if (const QString &file = m_choices.file().path; file != m_windowFile) {
        m_windowFile = file;
        if (!file.isEmpty())
            m_offered = file;
    }
    const QString startFolder = m_offered.isEmpty() && m_startFolder ? m_startFolder() : QString();
    const std::optional<QString> path =
        m_prompts.askOpenFileName(m_window, FileDialogRequest::forConfigs(u"Open a config"_s, m_offered, startFolder));
    if (!path)
        return;
    m_offered = *path;
    openFile(*path, u"Open "_s + QFileInfo(*path).fileName());
}

bool OpenCommand::openFile(const QString &path, const QString &stepName)
{
    Choices opened = m_choices.value();
    ConfigReader reader(opened);
    if (!reader.readFile(path))
        return false;
    m_choices.open(opened, stepName, path);
    // The player learns at once what the next save would write differently from the file.
    const QList<OpenReport::Unshown> unshown = OpenReport::unshownValues(reader.lastValues(), opened);
    if (!unshown.isEmpty()) {
        m_prompts.inform(
            m_window, u"Open a config"_s,
            reportText(QDir::toNativeSeparators(path), OpenReport::settingsRead(reader.lastValues()), unshown));
    }
    return true;
}
