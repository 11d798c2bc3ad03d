#include "core/app/DataFolder.h"

#include "core/app/BuildInfo.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace DataFolder {

QString locate(const QString &programFolder)
{
    QString beside = programFolder + u"/data"_s;
    if (QFileInfo(beside).isDir())
        return beside;
    QString installed = QDir::cleanPath(programFolder + u'/' + QString::fromUtf8(BuildInfo::dataFolderFromProgram));
    if (QFileInfo(installed).isDir())
        return installed;
    return beside;
}

} // namespace DataFolder
