#include "core/output/ConfigUpdate.h"
#include "support/ChoicesText.h"
#include "support/UpdatePromises.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The first four bytes choose the window's rows, the rest is the existing file. The update must
// keep every promise, and a second update with the same rows must change nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::uint32_t seed = 0;
    if (size < sizeof seed)
        return 0;
    std::memcpy(&seed, data, sizeof seed);
    const QList<SettingLine> written = settingLinesSetInWindow(randomChoices(seed));
    const QByteArrayView existing(reinterpret_cast<const char *>(data) + 4, static_cast<qsizetype>(size - 4));
    const ConfigUpdate::Updated updated = ConfigUpdate::update(existing, written);
    if (const QString broken = brokenUpdatePromise(existing, updated, written); !broken.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(broken));
        std::abort();
    }
    if (!ConfigUpdate::update(updated.bytes, written).changesNothing())
        std::abort();
    return 0;
}
