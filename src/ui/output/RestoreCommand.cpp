#include "ui/output/RestoreCommand.h"

#include "core/input/OutsideFile.h"
#include "core/output/AtomicWrite.h"
#include "core/output/Backups.h"
#include "ui/CurrentChoices.h"
#include "ui/UserPrompts.h"
#include "ui/output/BackUpFirst.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

const QString title = u"Restore Backup"_s;

QString localTime(const QDateTime &made)
{
    return made.toLocalTime().toString(u"yyyy-MM-dd HH:mm:ss"_s);
}

} // namespace

RestoreCommand::RestoreCommand(UserPrompts &prompts, CurrentChoices &choices, QWidget *window, QString backups,
                               std::function<bool()> mayReplace,
                               std::function<bool(const QString &, const QString &)> open)
    : QObject(window)
    , m_prompts(prompts)
    , m_choices(choices)
    , m_window(window)
    , m_backups(std::move(backups))
    , m_mayReplace(std::move(mayReplace))
    , m_open(std::move(open))
{
}

bool RestoreCommand::available() const
{
    const QString &file = m_choices.file().path;
    return !file.isEmpty() && !Backups::copiesOf(m_backups, file).isEmpty();
}

void RestoreCommand::run()
{
    const QString file = m_choices.file().path;
    const QList<Backups::Copy> copies = file.isEmpty() ? QList<Backups::Copy>() : Backups::copiesOf(m_backups, file);
    if (copies.isEmpty())
        return;
    QStringList lines;
    for (const Backups::Copy &copy : copies)
        lines
            << u"%1  %2 bytes%3"_s.arg(localTime(copy.made)).arg(copy.size).arg(copy.first ? u" (first)"_s : QString());
    const std::optional<int> chosen = m_prompts.askFromList(m_window, title, lines, u"Restore"_s);
    if (!chosen || !m_mayReplace())
        return;
    const Backups::Copy &copy = copies.at(*chosen);
    const QString name = QFileInfo(file).fileName();
    const OutsideFile::Bytes bytes = OutsideFile::readAll(copy.path, Backups::maxFileSize);
    if (bytes.failure) {
        m_prompts.inform(m_window, title,
                         u"The backup of %1 from %2 cannot be read."_s.arg(name, localTime(copy.made)));
        return;
    }
    if (!backUpOrGoWithout(m_prompts, m_window, title, m_backups, file))
        return;
    if (const std::optional<QString> reason = writeFileAtomically(file, bytes.bytes)) {
        m_prompts.inform(m_window, title,
                         u"%1 could not be restored:\n%2"_s.arg(QDir::toNativeSeparators(file), *reason));
        return;
    }
    Backups::prune(m_backups, file);
    m_open(file, u"Restore "_s + name);
    emit told(u"Restored %1 from %2."_s.arg(name, localTime(copy.made)));
}
