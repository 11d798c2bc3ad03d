#include "core/catalogue/StartupData.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

// The input becomes one of the three start-up data files (the first byte chooses which) in a data
// folder where the other two are missing. Reading never fails hard, keeps no line end in an entry,
// and names both missing files.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    static const QString names[] = {QString::fromUtf16(StartupData::descFile),
                                    QString::fromUtf16(StartupData::sldefFile),
                                    QString::fromUtf16(StartupData::defvalFile)};
    if (size == 0)
        return 0;
    for (const QString &name : names)
        QFile::remove(folder.filePath(name));
    QFile file(folder.filePath(names[data[0] % 3]));
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char *>(data) + 1, qint64(size) - 1) < 0)
        std::abort();
    file.close();

    const StartupData::Result read = StartupData::readStartupTables(folder.path());
    QString entries;
    for (const auto &slot : read.tables.desc) {
        for (const QString &line : slot)
            entries += line;
    }
    for (const QString &entry : read.tables.sldef)
        entries += entry;
    for (const QString &entry : read.tables.defval)
        entries += entry;
    if (read.problems.size() < 2 || entries.contains(u'\r') || entries.contains(u'\n'))
        std::abort();
    return 0;
}
