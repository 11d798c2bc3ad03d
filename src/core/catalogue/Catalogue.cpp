#include "core/catalogue/Catalogue.h"

#include <algorithm>
#include <cassert>

namespace Catalogue {
namespace {

constexpr Setting toggle(int row, std::string_view name, Tab tab, Reset reset)
{
    return {row, name, tab, Kind::ThreeState, reset, {}};
}

constexpr Setting slider(int row, std::string_view name, Tab tab, SliderRange range)
{
    return {row, name, tab, Kind::Slider, Reset::SliderDefault, range};
}

using enum Tab;
using enum Reset;

// Order matters: three-state rows by index, then the DirectX row, then the slider rows.
constexpr std::array<Setting, settingCount> table = {{
    toggle(0, "cl_phys_props_enable", Fps1, On),
    toggle(1, "cl_ragdoll_physics_enable", Fps1, On),
    toggle(2, "cl_show_splashes", Fps1, On),
    toggle(3, "cl_smooth", Fps1, On),
    toggle(4, "cl_c4dynamiclight", Fps1, Off),
    toggle(5, "cl_ejectbrass", Fps1, On),
    toggle(6, "cl_ragdoll_collide", Fps1, Off),
    toggle(7, "cl_show_bloodspray", Fps1, On),
    toggle(8, "fog_enable", Fps1, On),
    toggle(9, "fog_enable_water_fog", Fps1, On),
    toggle(10, "mat_bloom", Fps1, On),
    toggle(11, "mat_bumpmap", Fps1, On),
    toggle(12, "mat_clipz", Fps1, On),
    toggle(13, "mat_fastnobump", Fps1, Off),
    toggle(14, "mat_filterlightmaps", Fps1, On),
    toggle(15, "mat_filtertextures", Fps2, On),
    toggle(16, "mat_mipmaptextures", Fps2, On),
    toggle(17, "mat_specular", Fps2, On),
    toggle(18, "mat_trilinear", Fps2, On),
    toggle(19, "mat_antialias", Fps2, Off),
    toggle(20, "mat_vsync", Fps2, Off),
    toggle(21, "r_drawrain", Fps2, Off),
    toggle(22, "r_drawropes", Fps2, Off),
    toggle(23, "r_drawmodeldecals", Fps2, On),
    toggle(24, "r_rainsimulate", Fps2, On),
    toggle(25, "r_shadows", Fps2, On),
    toggle(26, "r_waterdrawreflection", Fps2, On),
    toggle(27, "r_waterdrawrefraction", Fps2, On),
    toggle(28, "r_dispenablelod", Fps2, On),
    toggle(29, "r_fastzreject", Fps2, Off),
    toggle(30, "cl_dynamiccrosshair", Other, On),
    toggle(31, "cl_interpolate", Other, Off),
    toggle(32, "cl_interp", Other, Off),
    toggle(33, "cl_showfps", Other, Off),
    toggle(34, "con_enable", Other, Off),
    toggle(35, "mat_show_texture_memory_usage", Other, Off),
    toggle(36, "gameui_hide", Other, On),
    {noRowIndex, dxName, Other, Kind::DirectX, NoLevel, {}},
    // The ranges are the game's own where a source gives them, else what players' configs hold;
    // docs/data-sources.md names each one's source.
    //                                          min    max    init  small large tick
    slider(90, "cl_phys_props_max", Fps3, {0, 1000, 300, 50, 1000, 50}),
    slider(91, "mp_decals", Fps3, {0, 4096, 200, 16, 128, 256}),
    slider(92, "r_decals", Fps3, {0, 4096, 2048, 16, 128, 256}),
    slider(93, "r_dispradius", Fps3, {50, 1000, 500, 10, 100, 50}),
    slider(94, "r_dispfullradius", Fps3, {50, 1000, 400, 10, 100, 50}),
    slider(95, "r_propsmaxdist", Fps3, {0, 5000, 1200, 50, 100, 500}),
    slider(96, "r_rainradius", Fps3, {0, 3000, 1500, 50, 100, 200}),
    slider(97, "r_rainsplashpercentage", Fps3, {0, 100, 20, 1, 10, 10}),
    slider(98, "cl_updaterate", Ping, {1, 128, 20, 5, 10, 8}),
    slider(99, "cl_cmdrate", Ping, {1, 100, 30, 5, 10, 5}),
    slider(100, "cl_rate", Ping, {1, 30000, 10000, 50, 500, 2000}),
    slider(101, "rate", Ping, {10000, 1048576, 25000, 1000, 5000, 65536}),
    slider(102, "fps_max", Ping, {0, 999, 300, 5, 10, 50, "no limit"}),
    slider(103, "fov", Other, {1, 360, 75, 5, 10, 30}),
}};

// Every setting has one place, and the numbers in its controls' names, the preset items and the
// description slots follow it: switches 0..36 at their own place, the DirectX row, then sliders 90..103.
constexpr bool rowsInPlace()
{
    for (int place = 0; place < settingCount; ++place) {
        const Setting &s = table[static_cast<size_t>(place)];
        const int dx = directXSetting.place();
        const bool inPlace = place < dx    ? s.kind == Kind::ThreeState && s.rowIndex == place
                             : place == dx ? s.kind == Kind::DirectX && s.rowIndex == noRowIndex
                                           : s.kind == Kind::Slider && s.rowIndex == firstSliderRow + place - dx - 1;
        if (!inPlace)
            return false;
    }
    return true;
}

constexpr char lowerCase(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool sameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerCase(x) == lowerCase(y); });
}

// Names are compared without letter case, so no two may differ in case alone; all are lower case.
constexpr bool namesUniqueLowerAndSlidersInRangeWithFewTicks()
{
    for (size_t i = 0; i < table.size(); ++i) {
        for (size_t j = i + 1; j < table.size(); ++j) {
            if (sameName(table[i].name, table[j].name))
                return false;
        }
        if (std::any_of(table[i].name.begin(), table[i].name.end(), [](char c) { return c != lowerCase(c); }))
            return false;
        const SliderRange &r = table[i].slider;
        if (table[i].kind == Kind::Slider && (r.initial < r.min || r.initial > r.max))
            return false;
        // More ticks than this would run together on a slider 92 pixels wide.
        if (table[i].kind == Kind::Slider && (r.max - r.min) / r.tickFrequency > 20)
            return false;
    }
    return true;
}

constexpr bool longestNameKnown()
{
    size_t longest = 0;
    for (const Setting &s : table)
        longest = std::max(longest, s.name.size());
    return longest == longestNameSize;
}

static_assert(table.size() == settingCount);
static_assert(rowsInPlace());
static_assert(namesUniqueLowerAndSlidersInRangeWithFewTicks());
static_assert(longestNameKnown());

constexpr std::array<std::string_view, tabCount> tabCaptions = {"FPS 1", "FPS 2", "FPS 3", "Ping", "Bots", "Other"};

} // namespace

std::span<const Setting> settings()
{
    return table;
}

const Setting &setting(SettingId id)
{
    assert(id.place() >= 0 && id.place() < settingCount);
    return table[static_cast<size_t>(id.place())];
}

std::optional<SettingId> findSetting(std::string_view name)
{
    if (name.size() > longestNameSize)
        return std::nullopt;
    const auto it =
        std::find_if(table.begin(), table.end(), [name](const Setting &s) { return sameName(s.name, name); });
    if (it == table.end())
        return std::nullopt;
    return SettingId(static_cast<int>(it - table.begin()));
}

// The slider rows follow the DirectX row.
SettingId sliderSetting(int k)
{
    assert(k >= 0 && k < sliderCount);
    return SettingId(directXSetting.place() + 1 + k);
}

int sliderNumber(SettingId slider)
{
    assert(setting(slider).kind == Kind::Slider);
    return slider.place() - directXSetting.place() - 1;
}

std::string_view tabCaption(Tab tab)
{
    return tabCaptions[static_cast<size_t>(tab)];
}

std::optional<std::string_view> dxCaption(int level)
{
    const auto it =
        std::find_if(dxLevels.begin(), dxLevels.end(), [level](const DxLevel &dx) { return dx.level == level; });
    if (it == dxLevels.end())
        return std::nullopt;
    return it->caption;
}

} // namespace Catalogue
