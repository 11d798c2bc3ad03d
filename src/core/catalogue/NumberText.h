#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

// Conversions between text and numbers, independent of the user's locale.
namespace NumberText {

// A number: optional blanks around, an optional sign, digits with at most one ".",
// an optional exponent. Anything else is not a number.
std::optional<double> parseNumber(QStringView text);

// The number rounded to the nearest whole number, halves to the even neighbour;
// nothing when the text is not a number or the result does not fit.
std::optional<std::int32_t> toWhole32(QStringView text);
std::optional<std::int16_t> toWhole16(QStringView text);

} // namespace NumberText
