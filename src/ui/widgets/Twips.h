#pragma once

#include <QPoint>
#include <QRect>

// Window layouts are given in twips; Qt's device-independent pixels take care of high-DPI screens.
namespace Twips {

inline constexpr int perPixel = 15;

constexpr int toPixels(int twips)
{
    return (twips + perPixel / 2) / perPixel;
}

inline QPoint point(int x, int y)
{
    return {toPixels(x), toPixels(y)};
}

inline QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace Twips
