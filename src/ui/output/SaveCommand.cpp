#include "ui/output/SaveCommand.h"

#include "core/catalogue/CatalogueText.h"
#include "core/output/AtomicWrite.h"
#include "core/output/ConfigText.h"
#include "core/output/ConfigUpdate.h"
#include "core/output/SaveGuidance.h"
#include "ui/CurrentChoices.h"
#include "ui/UserPrompts.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

const QString title = u"Save the config"_s;

} // namespace

SaveCommand::SaveCommand(UserPrompts &prompts, const CurrentChoices &choices, QWidget *window,
                         StartFolderLookup startFolder)
    : QObject(window)
    , m_prompts(prompts)
    , m_choices(choices)
    , m_window(window)
    , m_fileName(u"tunewick.cfg"_s)
    , m_startFolder(std::move(startFolder))
{
}

void SaveCommand::run()
{
    // Looked up once: the dialog may start there, and a save into it is advised.
    const QString gameFolder = m_startFolder ? m_startFolder() : QString();
    const std::optional<ChosenFile> chosen = m_prompts.askSaveFileName(
        m_window, FileDialogRequest::forConfigs(title, m_fileName, m_fileChosen ? QString() : gameFolder));
    if (!chosen)
        return;
    // A name typed without a suffix while .cfg files are listed means a .cfg file (the dialog's own
    // default suffix would not heed the filter).
    QString path = chosen->path;
    if (chosen->filter == FileDialogRequest::configFilter && QFileInfo(path).suffix().isEmpty())
        path += path.endsWith(u'.') ? u"cfg"_s : u".cfg"_s; // "mytweaks." too, without a second dot
    // The dialog remembers what was chosen, whatever becomes of the save.
    m_fileName = path;
    m_fileChosen = true;
    const std::optional<QString> runByGame = askWhereTheGameRunsIt(path, gameFolder);
    if (!runByGame)
        return;
    path = *runByGame;
    m_fileName = path;

    const QString shownName = QDir::toNativeSeparators(path);
    const QFileInfo target(path);
    const std::optional<QByteArray> bytes =
        target.exists() && !target.isDir() ? askHowToSaveOver(path, shownName) : composeFileText(m_choices.value());
    if (!bytes)
        return;

    if (const std::optional<QString> reason = writeFileAtomically(path, *bytes))
        m_prompts.inform(m_window, title, u"The config could not be saved to %1:\n%2"_s.arg(shownName, *reason));
}

namespace {

const QString toAutoexec = u"Save to autoexec.cfg"_s;

// Why an existing file can only be replaced, as a phrase.
QString whyNotUpdated(const ConfigUpdate::Existing &existing)
{
    if (existing.binary)
        return u"it holds binary data"_s;
    switch (existing.failure->why) {
    case OutsideFile::Failure::Why::NotOrdinary:
        return u"it is not an ordinary file"_s;
    case OutsideFile::Failure::Why::TooLarge:
        return u"it is larger than %1 MB"_s.arg(ConfigUpdate::maxFileSize / (qint64{1024} * 1024));
    case OutsideFile::Failure::Why::CannotOpen:
    case OutsideFile::Failure::Why::CannotRead:
        break;
    }
    return u"it cannot be read (%1)"_s.arg(existing.failure->systemText);
}

// "a, b, c": all names when there are ten or fewer, else the first ten and "and N more".
QString listedNames(const QList<SettingLine> &lines)
{
    constexpr qsizetype shown = 10;
    QStringList names;
    for (const SettingLine &line : lines.first(std::min(shown, lines.size())))
        names << toQString(Catalogue::setting(line.setting).name);
    QString list = names.join(u", "_s);
    if (lines.size() > shown)
        list += u" and %1 more"_s.arg(lines.size() - shown);
    return list;
}

} // namespace

std::optional<QString> SaveCommand::askWhereTheGameRunsIt(const QString &path, const QString &gameFolder)
{
    const QString name = QFileInfo(path).fileName();
    QString text;
    QString keep;
    switch (SaveGuidance::adviceFor(path, gameFolder)) {
    case SaveGuidance::Advice::None:
        return path;
    case SaveGuidance::Advice::ConfigRewritten:
        text = u"The game rewrites %1 from its own settings when it quits, so settings saved there may not last. "
               u"It runs autoexec.cfg by itself at every start, after %1."_s.arg(name);
        keep = u"Save to %1"_s.arg(name);
        break;
    case SaveGuidance::Advice::NotRunByItself:
        text = u"The game runs autoexec.cfg by itself, and runs %1 only when \"exec %1\" is typed in the console "
               u"or written into a config the game runs."_s.arg(name);
        keep = u"Save as %1"_s.arg(name);
        break;
    }
    switch (m_prompts.askChoice(m_window, title, text, {toAutoexec, keep, u"Cancel"_s}, 0)) {
    case 0:
        return SaveGuidance::autoexecBeside(path);
    case 1:
        return path;
    default:
        return std::nullopt;
    }
}

std::optional<QByteArray> SaveCommand::askHowToSaveOver(const QString &path, const QString &shownName)
{
    const QString replace = u"Replace makes the file the new config alone: everything else in it is lost."_s;
    const QString cancel = u"Cancel saves nothing."_s;
    // Players keep binds, aliases, comments and their own values beside ours; updating keeps them and
    // writes only what the player set here.
    const ConfigUpdate::Existing existing = ConfigUpdate::readExisting(path);
    const QList<SettingLine> written = settingLinesSetInWindow(m_choices.value());
    QString whyNot;
    if (!existing.canUpdate())
        whyNot = u"%1 already exists and cannot be updated: %2."_s.arg(shownName, whyNotUpdated(existing));
    else if (written.isEmpty())
        whyNot = u"%1 already exists. Nothing was set in this window, so Update would change nothing."_s.arg(shownName);
    if (!whyNot.isEmpty()) {
        const QString text = u"%1\n\n%2\n\n%3"_s.arg(whyNot, replace, cancel);
        if (m_prompts.askChoice(m_window, title, text, {u"Replace"_s, u"Cancel"_s}, 1) != 0)
            return std::nullopt;
        return composeFileText(m_choices.value());
    }
    const QString update = u"Update keeps the file and writes only the %1 you set in this window: %2."_s.arg(
        written.size() == 1 ? u"1 setting"_s : u"%1 settings"_s.arg(written.size()), listedNames(written));
    const QString text = u"%1 already exists.\n\n%2\n\n%3\n\n%4"_s.arg(shownName, update, replace, cancel);
    switch (m_prompts.askChoice(m_window, title, text, {u"Update"_s, u"Replace"_s, u"Cancel"_s}, 0)) {
    case 0:
        return ConfigUpdate::updateText(existing.bytes, m_choices.value());
    case 1:
        return composeFileText(m_choices.value());
    default:
        return std::nullopt;
    }
}
