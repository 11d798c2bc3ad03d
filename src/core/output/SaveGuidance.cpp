#include "core/output/SaveGuidance.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace SaveGuidance {
namespace {

const QString autoexecName = u"autoexec.cfg"_s;
const QString configName = u"config.cfg"_s;
// The game runs these by itself: server.cfg at each map start when the player hosts, and
// config_default.cfg when config.cfg is missing.
const QStringList runByTheGame{u"server.cfg"_s, u"config_default.cfg"_s};

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isGameConfigFolder(const QString &folder, const QString &foundFolder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    if (!foundFolder.isEmpty() && !canonical.isEmpty() && canonical == QFileInfo(foundFolder).canonicalFilePath())
        return true;
    const QString path = QDir::cleanPath(info.absoluteFilePath());
    return sameName(QFileInfo(path).fileName(), u"cfg"_s)
           && sameName(QFileInfo(QFileInfo(path).path()).fileName(), u"cstrike"_s);
}

} // namespace

Advice adviceFor(const QString &path, const QString &foundFolder)
{
    const QFileInfo target(path);
    if (!isGameConfigFolder(target.path(), foundFolder))
        return Advice::None;
    if (sameName(target.fileName(), configName))
        return Advice::ConfigRewritten;
    if (sameName(target.fileName(), autoexecName) || runByTheGame.contains(target.fileName(), Qt::CaseInsensitive)
        || target.exists())
        return Advice::None;
    return Advice::NotRunByItself;
}

QString execArgument(const QString &fileName)
{
    const bool blank = std::ranges::any_of(fileName, [](QChar c) { return c.isSpace(); });
    return blank ? u'"' + fileName + u'"' : fileName;
}

bool execRuns(const QString &fileName)
{
    return fileName.endsWith(u".cfg"_s, Qt::CaseInsensitive);
}

QString autoexecBeside(const QString &path)
{
    const QDir folder = QFileInfo(path).dir();
    // Name filters ignore letter case unless told otherwise.
    const QStringList present = folder.entryList({autoexecName}, QDir::Files | QDir::Hidden);
    if (present.isEmpty() || present.contains(autoexecName))
        return folder.filePath(autoexecName);
    return folder.filePath(present.first());
}

} // namespace SaveGuidance
