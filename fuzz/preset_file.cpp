#include "core/input/PresetFile.h"
#include "support/FakeRows.h"

#include <cstdint>
#include <cstdlib>

// Any text either applies in full or is refused with a reason; applying twice equals once.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const PresetFile::Parsed parsed =
        PresetFile::parse(QByteArrayView(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (const auto *problem = std::get_if<PresetFile::Problem>(&parsed)) {
        if (problem->text.isEmpty())
            std::abort();
        return 0;
    }
    const auto &steps = std::get<QList<PresetFile::Step>>(parsed);
    if (steps.size() > PresetFile::itemCount)
        std::abort();
    FakeRows once;
    PresetFile::apply(steps, once);
    FakeRows twice = once;
    PresetFile::apply(steps, twice);
    if (!(once == twice) || once.selectedDx())
        std::abort();
    return 0;
}
