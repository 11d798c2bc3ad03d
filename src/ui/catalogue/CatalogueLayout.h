#pragma once

#include "core/catalogue/Catalogue.h"

#include <QRgb>
#include <Qt>

#include <optional>
#include <span>
#include <string_view>

// Where the catalogue's controls and texts stand on the tab strip, in twips measured from
// the strip's top-left corner (the tab row included).
namespace CatalogueLayout {

inline constexpr int stripLeft = 105;
inline constexpr int stripTop = 105;
inline constexpr int stripWidth = 6495;
inline constexpr int stripHeight = 6975;

inline constexpr int rowPitch = 360;
int firstRowTop(Catalogue::Tab tab);

struct RowGeometry {
    int resetLeft;
    int choiceLeft; // the option box or the slider
    int nameLeft;
};
RowGeometry rowGeometry(const Catalogue::Setting &setting);

inline constexpr int resetSize = 255;
inline constexpr int optionBoxWidth = 540;
inline constexpr int optionBoxHeight = 250;
inline constexpr int optionSize = 225;
inline constexpr int offOptionLeft = 250;
inline constexpr int nameWidth = 3135;
inline constexpr int nameHeight = 255;
inline constexpr int sliderWidth = 1380;
inline constexpr int sliderHeight = 225;
// A slider row's number field, at the right end of the row, centred on the slider, wide enough for
// seven digits and its arrows in the fonts Linux has.
inline constexpr int sliderValueLeft = 5100;
inline constexpr int sliderValueWidth = 1260;
inline constexpr int sliderValueHeight = 330;
inline constexpr int sliderValueRaise = (sliderValueHeight - sliderHeight) / 2;

inline constexpr int dxTop = 5145;
inline constexpr int dxResetLeft = 285;
inline constexpr int dxNameLeft = 735;
inline constexpr int dxOptionLeft = 2205;
inline constexpr int dxOptionTop = 5170;
inline constexpr int dxOptionPitch = 250;
inline constexpr int dxOptionWidth = 1500;

inline constexpr QRgb red = 0xFF0000;
inline constexpr QRgb darkRed = 0xC00000;
inline constexpr QRgb blue = 0x0000FF;
inline constexpr QRgb green = 0x00C000;
inline constexpr QRgb windowGrey = 0xC0C0C0;

// A static text's object name: base alone, or "base_index" for one of several texts of a kind
// (choice_0 to choice_12), numbered among themselves.
struct ControlName {
    std::string_view base;
    int index = -1;
};

// Whether a text takes the face the user chooses for the main window, or keeps the face it was
// designed in whatever face the window around it takes.
enum class Face : bool { Display, Own };

struct StaticText {
    Catalogue::Tab tab;
    ControlName objectName;
    std::string_view caption;
    std::string_view toolTip;
    std::optional<QRgb> colour;
    int left, top, width, height;
    Qt::Alignment alignment;
    bool italic;
    bool wordWrap;
    Face face;
};
std::span<const StaticText> staticTexts();

// The horizontal rule under each tab's heading.
struct Rule {
    Catalogue::Tab tab;
    int x1, x2;
};
inline constexpr int ruleY = 840;
std::span<const Rule> rules();

} // namespace CatalogueLayout
