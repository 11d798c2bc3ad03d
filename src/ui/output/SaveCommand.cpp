#include "ui/output/SaveCommand.h"

#include "core/catalogue/CatalogueText.h"
#include "core/output/AtomicWrite.h"
#include "core/output/Backups.h"
#include "core/output/ConfigText.h"
#include "core/output/ConfigUpdate.h"
#include "core/output/SaveGuidance.h"
#include "ui/CurrentChoices.h"
#include "ui/UserPrompts.h"
#include "ui/output/BackUpFirst.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

const QString title = u"Save the config"_s;

} // namespace

SaveCommand::SaveCommand(UserPrompts &prompts, CurrentChoices &choices, QWidget *window, QString backups,
                         StartFolderLookup startFolder)
    : QObject(window)
    , m_prompts(prompts)
    , m_choices(choices)
    , m_window(window)
    , m_backups(std::move(backups))
    , m_offered(u"tunewick.cfg"_s)
    , m_startFolder(std::move(startFolder))
{
}

bool SaveCommand::run()
{
    // The window's file is offered when it came after the name last chosen here.
    if (const QString &file = m_choices.file().path; file != m_windowFile) {
        m_windowFile = file;
        if (!file.isEmpty())
            m_offered = file;
    }
    // Looked up once: the dialog may start there, and a save into it is advised.
    const QString gameFolder = m_startFolder ? m_startFolder() : QString();
    const std::optional<ChosenFile> chosen = m_prompts.askSaveFileName(
        m_window,
        FileDialogRequest::forConfigs(title, m_offered, QDir::isAbsolutePath(m_offered) ? QString() : gameFolder));
    if (!chosen)
        return false;
    // A name typed without a suffix while .cfg files are listed means a .cfg file (the dialog's own
    // default suffix would not heed the filter).
    QString path = chosen->path;
    if (chosen->filter == FileDialogRequest::configFilter && QFileInfo(path).suffix().isEmpty())
        path += path.endsWith(u'.') ? u"cfg"_s : u".cfg"_s; // "mytweaks." too, without a second dot
    // The dialog remembers what was chosen, whatever becomes of the save.
    m_offered = path;
    const std::optional<QString> target = askWhereTheGameRunsIt(path, gameFolder);
    if (!target)
        return false;
    m_offered = *target;

    // Moved from the window's own config.cfg to autoexec.cfg, the save carries only what changed:
    // the rest is the game's own state, which autoexec.cfg would otherwise pin.
    const Choices &choices = m_choices.value();
    const QList<SettingLine> changed = settingLinesChanged(choices, m_choices.file().changed);
    const QList<SettingLine> set = settingLinesSetInWindow(choices);
    const bool fromWindowFile = *target != path && isWindowFile(path);
    const QList<SettingLine> &whole = fromWindowFile ? changed : set;
    const QFileInfo info(*target);
    const bool overExisting = info.exists() && !info.isDir();
    QByteArray bytes;
    if (!overExisting) {
        bytes = composeFileText(whole);
    } else {
        const bool windowFile = isWindowFile(*target);
        const OverExisting over =
            askHowToSaveOver(*target, windowFile || fromWindowFile ? changed : set, whole, windowFile);
        if (over.what == OverExisting::Cancelled)
            return false;
        if (over.what == OverExisting::AlreadyHeld) {
            m_choices.saved(*target);
            emit told(u"%1 already holds these values; nothing was written."_s.arg(info.fileName()));
            return true;
        }
        bytes = over.bytes;
        if (!backUpOrGoWithout(m_prompts, m_window, title, m_backups, *target))
            return false;
    }
    if (const std::optional<QString> reason = writeFileAtomically(*target, bytes)) {
        m_prompts.inform(m_window, title,
                         u"The config could not be saved to %1:\n%2"_s.arg(QDir::toNativeSeparators(*target), *reason));
        return false;
    }
    if (overExisting)
        Backups::prune(m_backups, *target);
    m_choices.saved(*target);
    emit told(u"Saved %1."_s.arg(info.fileName()));
    return true;
}

// The same file, links followed as the atomic write follows them; a file that no longer exists is
// nobody's.
bool SaveCommand::isWindowFile(const QString &path) const
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(m_choices.file().path).canonicalFilePath();
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

QString nameOf(Catalogue::SettingId setting)
{
    return toQString(Catalogue::setting(setting).name);
}

// "fps_max 0 → 200, cl_showfps (added) 1": every change when there are ten or fewer, else the first
// ten and "and N more".
QString listedChanges(const ConfigUpdate::Updated &updated)
{
    QStringList changes;
    for (const ConfigUpdate::ValueEdit &edit : updated.edits)
        changes << u"%1 %2 \u2192 %3"_s.arg(nameOf(edit.setting), QString::fromUtf8(edit.oldText),
                                            QString::fromLatin1(edit.newText));
    for (const SettingLine &line : updated.added)
        changes << u"%1 (added) %2"_s.arg(nameOf(line.setting), QString::fromLatin1(line.value));
    constexpr qsizetype shown = 10;
    QString list = changes.first(std::min(shown, changes.size())).join(u", "_s);
    if (changes.size() > shown)
        list += u" and %1 more"_s.arg(changes.size() - shown);
    return list;
}

// Every line Update changes, before and after, and every line it adds.
QString changedLinesText(QByteArrayView existing, const ConfigUpdate::Updated &updated)
{
    QStringList lines;
    for (const auto &[before, after] : ConfigUpdate::changedLines(existing, updated.edits))
        lines << u"- "_s + QString::fromUtf8(before) << u"+ "_s + QString::fromUtf8(after);
    for (const SettingLine &line : updated.added)
        lines << u"+ "_s + QString::fromLatin1(line.text());
    return lines.join(u'\n');
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
        text = u"The game runs autoexec.cfg by itself at every start. It runs %1 only when \"exec %2\" is typed in "
               u"the console, written into a config the game runs, or given as the launch option +exec %2."_s.arg(
                   name, SaveGuidance::execArgument(name));
        if (!SaveGuidance::execRuns(name))
            text += u" exec runs only names that end in .cfg."_s;
        keep = u"Save as %1"_s.arg(name);
        break;
    }
    switch (m_prompts.askChoice(m_window, title, text, {toAutoexec, keep, u"Cancel"_s}, 0, {})) {
    case 0:
        return SaveGuidance::autoexecBeside(path);
    case 1:
        return path;
    default:
        return std::nullopt;
    }
}

SaveCommand::OverExisting SaveCommand::askHowToSaveOver(const QString &path, const QList<SettingLine> &updated,
                                                        const QList<SettingLine> &replaced, bool windowFile)
{
    const QString shownName = QDir::toNativeSeparators(path);
    const QString replace = u"Replace makes the file the new config alone: everything else in it is lost."_s;
    const QString cancel = u"Cancel saves nothing."_s;
    const auto replacing = [&replaced] { return OverExisting{OverExisting::Write, composeFileText(replaced)}; };
    // Players keep binds, aliases, comments and their own values beside ours; updating keeps them.
    const ConfigUpdate::Existing existing = ConfigUpdate::readExisting(path);
    QString whyNot;
    ConfigUpdate::Updated update;
    if (!existing.canUpdate()) {
        whyNot = u"%1 already exists and cannot be updated: %2."_s.arg(shownName, whyNotUpdated(existing));
    } else {
        update = ConfigUpdate::update(existing.bytes, updated);
        if (update.changesNothing() && windowFile)
            return {OverExisting::AlreadyHeld, {}};
        if (update.changesNothing())
            whyNot = u"%1 already exists.\n\nUpdate would change nothing: the file already holds every value set in "
                     u"this window."_s.arg(shownName);
    }
    if (!whyNot.isEmpty()) {
        const QString text = u"%1\n\n%2\n\n%3"_s.arg(whyNot, replace, cancel);
        if (m_prompts.askChoice(m_window, title, text, {u"Replace"_s, u"Cancel"_s}, 1, {}) != 0)
            return {OverExisting::Cancelled, {}};
        return replacing();
    }
    const qsizetype count = update.edits.size() + update.added.size();
    const QString changes = u"Update keeps the file and changes %1: %2."_s.arg(
        count == 1 ? u"1 setting"_s : u"%1 settings"_s.arg(count), listedChanges(update));
    const QString text = u"%1 already exists.\n\n%2\n\n%3\n\n%4"_s.arg(shownName, changes, replace, cancel);
    switch (m_prompts.askChoice(m_window, title, text, {u"Update"_s, u"Replace"_s, u"Cancel"_s}, 0,
                                changedLinesText(existing.bytes, update))) {
    case 0:
        return {OverExisting::Write, update.bytes};
    case 1:
        return replacing();
    default:
        return {OverExisting::Cancelled, {}};
    }
}
