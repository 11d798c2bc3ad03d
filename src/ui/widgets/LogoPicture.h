#pragma once

#include <QImage>

namespace LogoPicture {

inline constexpr int size = 120;

// The program's logo, 120 x 120 pixels, 24-bit colour: a candle whose flame rides a sound wave.
QImage make();

} // namespace LogoPicture
