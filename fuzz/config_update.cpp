#include "core/output/ConfigUpdate.h"
#include "support/FakeRows.h"
#include "support/UpdatePromises.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The first four bytes choose the window's rows, the rest is the existing file. The update must
// keep every promise, and a second update with the same rows must change nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    std::uint32_t seed = data[0] | data[1] << 8 | data[2] << 16 | std::uint32_t{data[3]} << 24;
    const auto next = [&seed](std::uint32_t range) {
        seed = seed * 1664525U + 1013904223U;
        return (seed >> 8) % range;
    };
    FakeRows rows;
    for (int row = 0; row < Catalogue::threeStateCount; ++row) {
        if (const std::uint32_t state = next(3); state != 0)
            rows.select(row, state == 1 ? RowState::On : RowState::Off);
    }
    for (int k = 0; k < Catalogue::sliderCount; ++k) {
        // The ends of the range often, where values read from the file are clamped to.
        const Catalogue::SliderRange &range = Catalogue::sliderRow(k).slider;
        const int values[] = {range.min, range.max, range.initial, range.min + static_cast<int>(next(100))};
        rows.setSliderValue(k, values[next(4)]);
    }
    if (const int member = static_cast<int>(next(Catalogue::dxLevelCount + 1)); member < Catalogue::dxLevelCount)
        rows.selectDx(member);

    const QByteArrayView existing(reinterpret_cast<const char *>(data) + 4, static_cast<qsizetype>(size - 4));
    const QByteArray updated = ConfigUpdate::updateText(existing, rows);
    if (const QString broken = brokenUpdatePromise(existing, updated, rows); !broken.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(broken));
        std::abort();
    }
    if (ConfigUpdate::updateText(updated, rows) != updated)
        std::abort();
    return 0;
}
