#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

// The fixed set of console variables the main window offers, one entry per setting.
namespace Catalogue {

enum class Tab { Fps1, Fps2, Fps3, Ping, Bots, Other };
inline constexpr int tabCount = 6;

enum class Kind { ThreeState, Slider, DirectX };

// What a row's "D" button sets. The DirectX row's clears the level, so that the game chooses it.
enum class Reset { On, Off, SliderDefault, NoLevel };

struct SliderRange {
    int min = 0;
    int max = 0;
    int initial = 0;
    int smallChange = 0;
    int largeChange = 0;
    int tickFrequency = 0;
    // Words shown instead of the lowest number where it means something else (fps_max 0: no limit).
    std::string_view lowestCaption{};
};

inline constexpr int noRowIndex = -1;

// A setting of the catalogue, known by its place in settings(). The description file keeps its
// three lines in the slot of the same number, and the player's choices hold its value there.
class SettingId {
public:
    constexpr explicit SettingId(int place)
        : m_place(place)
    {
    }
    constexpr int place() const { return m_place; }
    constexpr bool operator==(const SettingId &) const = default;

private:
    int m_place;
};

struct Setting {
    int rowIndex;          // the number in its controls' object names; noRowIndex for the DirectX row
    std::string_view name; // console variable name, the caption of the row's label
    Tab tab;
    Kind kind;
    Reset reset;
    SliderRange slider; // slider rows only
};

inline constexpr int threeStateCount = 37; // rows 0..36
inline constexpr int sliderCount = 14;     // numbered 90..103 in their controls' names
inline constexpr int firstSliderRow = 90;
inline constexpr int settingCount = threeStateCount + sliderCount + 1;
inline constexpr int descriptionSlotCount = settingCount;
inline constexpr SettingId directXSetting{threeStateCount};

inline constexpr std::string_view dxName = "mat_dxlevel";
// The levels the DirectX row offers, in its order, with their captions.
struct DxLevel {
    int level;
    std::string_view caption;
};
inline constexpr std::array<DxLevel, 7> dxLevels = {{{50, "DirectX 5.0"},
                                                     {60, "DirectX 6.0"},
                                                     {70, "DirectX 7.0"},
                                                     {80, "DirectX 8.0"},
                                                     {81, "DirectX 8.1"},
                                                     {90, "DirectX 9.0"},
                                                     {95, "DirectX 9.0c"}}};
// The level the preview shows when none is chosen.
inline constexpr int dxPreviewLevel = 90;

// All 52 settings: the 37 switches, the DirectX row, the 14 sliders.
std::span<const Setting> settings();
const Setting &setting(SettingId id);

template<std::size_t... Place>
constexpr std::array<SettingId, sizeof...(Place)> settingIds(std::index_sequence<Place...>)
{
    return {SettingId(int(Place))...};
}
inline constexpr std::array<SettingId, settingCount> allSettingIds =
    settingIds(std::make_index_sequence<settingCount>());

// Every setting, in the catalogue's order.
constexpr const std::array<SettingId, settingCount> &allSettings()
{
    return allSettingIds;
}

// The setting with this name; letter case does not count, as in the game's console.
std::optional<SettingId> findSetting(std::string_view name);
inline constexpr int longestNameSize = 29; // mat_show_texture_memory_usage

// Slider k (0..13) of the slider rows, as sldef.cst and the sliders' object names number them.
SettingId sliderSetting(int k);
int sliderNumber(SettingId slider);

std::string_view tabCaption(Tab tab);

// The caption of a DirectX level the row offers; nothing for any other number.
std::optional<std::string_view> dxCaption(int level);

} // namespace Catalogue
