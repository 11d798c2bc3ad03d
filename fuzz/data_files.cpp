#include "core/catalogue/DataFileText.h"
#include "core/catalogue/StartupData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

// The input becomes one of the three start-up data files (the first byte chooses which) in a data
// folder where the other two are missing. Reading never fails hard, never fills more than a table
// holds, keeps no line end in an entry, and names the missing files.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static QTemporaryDir folder;
    static const QString names[] = {QString::fromUtf16(StartupData::descFile),
                                    QString::fromUtf16(StartupData::sldefFile),
                                    QString::fromUtf16(StartupData::defvalFile)};
    const QString &name = names[data[0] % 3];
    for (const QString &each : names)
        QFile::remove(folder.filePath(each));
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
    file.write(reinterpret_cast<const char *>(data) + 1, static_cast<qint64>(size - 1));
    file.close();

    const StartupData::Result result = StartupData::readStartupTables(folder.path());
    if (result.problems.size() < 2)
        std::abort();
    auto clean = [](const QString &entry) { return !entry.contains(u'\r') && !entry.contains(u'\n'); };
    for (const auto &slot : result.tables.desc)
        for (const QString &line : slot)
            if (!clean(line))
                std::abort();
    for (const QString &entry : result.tables.defval)
        if (!clean(entry))
            std::abort();
    for (int k = 0; k < Catalogue::sliderCount; ++k) {
        if (!clean(result.tables.sldef[k]))
            std::abort();
        const std::optional<int> reset = StartupData::sliderResetValue(result.tables, k);
        const Catalogue::SliderRange &range = Catalogue::sliderRow(k).slider;
        if (reset && (*reset < range.min || *reset > range.max))
            std::abort();
    }
    const QByteArrayView bytes(reinterpret_cast<const char *>(data) + 1, static_cast<qsizetype>(size - 1));
    if (DataFileText::splitLines(bytes, 14).lines.size() > 14 || DataFileText::decode(bytes).size() != bytes.size())
        std::abort();
    return 0;
}
