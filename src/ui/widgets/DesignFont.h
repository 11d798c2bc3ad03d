#pragma once

#include <QFont>

// The faces the windows were designed in; 8.25 pt is the design size of ordinary texts.
namespace DesignFont {

inline constexpr qreal standardPoints = 8.25;

inline QFont arial(qreal points = standardPoints)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

inline QFont courierNew(qreal points = standardPoints)
{
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(points);
    return font;
}

} // namespace DesignFont
