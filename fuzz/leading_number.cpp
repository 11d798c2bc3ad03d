#include "core/update/LeadingNumber.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

// Every text reads as some number, never NaN; text after a carriage return never matters.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const double value = leadingNumber(text);
    if (std::isnan(value))
        std::abort();
    const qsizetype cr = text.indexOf(u'\r');
    if (cr >= 0 && leadingNumber(QStringView(text).left(cr)) != value)
        std::abort();
    return 0;
}
