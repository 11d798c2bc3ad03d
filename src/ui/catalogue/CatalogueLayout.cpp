#include "ui/catalogue/CatalogueLayout.h"

#include <array>

namespace CatalogueLayout {
namespace {

using Catalogue::Tab;
using enum Face;

constexpr std::string_view upText = "Choose an option and click on it to get a description:";
constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment leftAligned = Qt::AlignLeft | Qt::AlignVCenter;

constexpr int headTop = 990;
constexpr int pingHeadTop = 3615;
constexpr int headHeight = 255;

constexpr StaticText heading(Tab tab, ControlName name, Face face)
{
    return {tab, name, upText, {}, std::nullopt, 225, 525, 5775, 255, centred, false, false, face};
}

constexpr StaticText def(Tab tab, ControlName name, int top = headTop)
{
    return {tab, name, "Def", "Default value", red, 210, top, 375, headHeight, leftAligned, false, false, Display};
}

constexpr StaticText on(Tab tab, ControlName name)
{
    return {tab, name, "On", "Value = 1", blue, 630, headTop, 315, headHeight, leftAligned, false, false, Display};
}

constexpr StaticText off(Tab tab, ControlName name)
{
    return {tab, name, "Off", "Value = 0", green, 945, headTop, 375, headHeight, leftAligned, false, false, Display};
}

constexpr StaticText value(Tab tab, ControlName name, int top = headTop)
{
    return {tab, name, "Value", "Value = 1", blue, 1155, top, 615, headHeight, leftAligned, false, false, Display};
}

constexpr auto texts = std::to_array<StaticText>({
    heading(Tab::Fps1, {"uplabel", 0}, Display),
    def(Tab::Fps1, {"choice", 0}),
    on(Tab::Fps1, {"choice", 1}),
    off(Tab::Fps1, {"choice", 2}),

    heading(Tab::Fps2, {"uplabel", 1}, Display),
    def(Tab::Fps2, {"choice", 5}),
    on(Tab::Fps2, {"choice", 4}),
    off(Tab::Fps2, {"choice", 3}),

    heading(Tab::Fps3, {"uplabel", 2}, Display),
    def(Tab::Fps3, {"choice", 7}),
    value(Tab::Fps3, {"choice", 8}),

    heading(Tab::Ping, {"uplabel", 4}, Own),
    {Tab::Ping, {"warning", 3}, "General information:", {}, red, 1190, 1200, 4110, 255, centred, false, false, Display},
    {Tab::Ping,
     {"warning", 1},
     "These settings depend on your connection. The better it is and the lower your ping is, the higher "
     "you should put these settings. Else, if your ping is high, try lowering them.",
     {},
     darkRed,
     1190,
     1560,
     4110,
     1170,
     centred,
     false,
     true,
     Display},
    def(Tab::Ping, {"choice", 11}, pingHeadTop),
    value(Tab::Ping, {"choice", 12}, pingHeadTop),

    {Tab::Bots,
     {"notdone", 1},
     "Not done as nobody wants them.",
     {},
     std::nullopt,
     225,
     3300,
     6045,
     255,
     centred,
     false,
     false,
     Own},

    heading(Tab::Other, {"uplabel", 3}, Own),
    def(Tab::Other, {"choice", 10}),
    on(Tab::Other, {"choice", 9}),
    off(Tab::Other, {"choice", 6}),
    {Tab::Other, {"Label1"}, "(On=0.1 Off=0)", {}, std::nullopt, 2205, 2070, 1500, 255, leftAligned, true, false, Own},
    {Tab::Other, {"warning", 2}, "WARNING:", {}, red, 225, 4350, 6045, 255, centred, false, false, Display},
    {Tab::Other,
     {"warning", 0},
     "This setting can greatly damage your game so be sure to know what you're doing!",
     {},
     darkRed,
     225,
     4620,
     6045,
     255,
     centred,
     false,
     false,
     Display},
});

constexpr auto ruleTable = std::to_array<Rule>({
    {Tab::Fps1, 225, 6000},
    {Tab::Fps2, 210, 5985},
    {Tab::Fps3, 210, 5985},
    {Tab::Ping, 210, 5985},
    {Tab::Other, 210, 5985},
});

} // namespace

int firstRowTop(Catalogue::Tab tab)
{
    return tab == Tab::Ping ? 3975 : 1350;
}

RowGeometry rowGeometry(const Catalogue::Setting &setting)
{
    if (setting.kind == Catalogue::Kind::ThreeState)
        return {285, 645, 1380};
    if (setting.tab == Tab::Other)
        return {285, 630, 2205};
    return {285, 735, 2310};
}

std::span<const StaticText> staticTexts()
{
    return texts;
}

std::span<const Rule> rules()
{
    return ruleTable;
}

} // namespace CatalogueLayout
