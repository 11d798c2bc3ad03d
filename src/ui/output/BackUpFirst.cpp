#include "ui/output/BackUpFirst.h"

#include "core/output/Backups.h"
#include "ui/UserPrompts.h"

#include <QDateTime>
#include <QDir>

using namespace Qt::StringLiterals;

bool backUpOrGoWithout(UserPrompts &prompts, QWidget *window, const QString &title, const QString &backups,
                       const QString &path)
{
    const std::optional<QString> why = Backups::backUp(backups, path, QDateTime::currentDateTimeUtc());
    if (!why)
        return true;
    const QString text = u"No backup of %1 could be made: %2."_s.arg(QDir::toNativeSeparators(path), *why);
    return prompts.askChoice(window, title, text, {u"Save without a backup"_s, u"Cancel"_s}, 1, {}) == 0;
}
