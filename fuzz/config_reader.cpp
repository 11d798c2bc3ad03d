#include "support/ChoicesText.h"

#include <cstdint>
#include <cstdlib>

// Reads the input at once and again in chunks of a size the input chooses: the rows must end the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const qsizetype chunk = 1 + data[0] % 16;
    const QByteArray file(reinterpret_cast<const char *>(data) + 1, static_cast<qsizetype>(size - 1));

    if (!(openedConfig(file) == openedConfig(file, {}, chunk)))
        std::abort();

    return 0;
}
