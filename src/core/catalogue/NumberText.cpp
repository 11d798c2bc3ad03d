#include "core/catalogue/NumberText.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <limits>

namespace NumberText {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Checks the shape of the number and returns it as plain ASCII without a leading "+",
// the form from_chars reads (locale-independent, unlike strtod).
std::optional<QByteArray> numberShape(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QStringView body = text.mid(begin, end - begin);

    qsizetype i = 0;
    if (i < body.size() && (body[i] == u'+' || body[i] == u'-'))
        ++i;
    int mantissaDigits = 0;
    bool seenPoint = false;
    for (; i < body.size(); ++i) {
        if (isDigit(body[i]))
            ++mantissaDigits;
        else if (body[i] == u'.' && !seenPoint)
            seenPoint = true;
        else
            break;
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < body.size() && (body[i] == u'e' || body[i] == u'E')) {
        ++i;
        if (i < body.size() && (body[i] == u'+' || body[i] == u'-'))
            ++i;
        int exponentDigits = 0;
        while (i < body.size() && isDigit(body[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != body.size())
        return std::nullopt;
    return (body.startsWith(u'+') ? body.mid(1) : body).toLatin1();
}

template<typename Int> std::optional<Int> toWhole(QStringView text)
{
    const std::optional<double> number = parseNumber(text);
    if (!number)
        return std::nullopt;
    // nearbyint uses the default rounding mode: to nearest, halves to even.
    const double rounded = std::nearbyint(*number);
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

std::optional<double> parseNumber(QStringView text)
{
    const std::optional<QByteArray> shape = numberShape(text);
    if (!shape)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(shape->cbegin(), shape->cend(), value);
    if (error != std::errc() || end != shape->cend() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> toWhole32(QStringView text)
{
    return toWhole<std::int32_t>(text);
}

std::optional<std::int16_t> toWhole16(QStringView text)
{
    return toWhole<std::int16_t>(text);
}

} // namespace NumberText
