#include "app/DataFolder.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace DataFolder {

QString locate(const QString &programFolder)
{
    QString beside = programFolder + u"/data"_s;
    if (QFileInfo(beside).isDir())
        return beside;
    QString installed = QDir::cleanPath(programFolder + u"/../share/tunewick/data"_s);
    if (QFileInfo(installed).isDir())
        return installed;
    return beside;
}

} // namespace DataFolder
