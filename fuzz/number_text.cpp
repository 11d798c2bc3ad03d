#include "core/catalogue/NumberText.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto number = NumberText::parseNumber(text);
    const auto whole = NumberText::toWhole32(text);
    // A whole number exists only for a number, and lies within half of it.
    if (whole && (!number || std::fabs(*number - *whole) > 0.5))
        std::abort();
    if (NumberText::toWhole16(text) && !whole)
        std::abort();
    return 0;
}
