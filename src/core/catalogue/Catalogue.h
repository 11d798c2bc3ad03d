#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

// The fixed set of console variables the main window offers, one entry per setting.
namespace Catalogue {

enum class Tab { Fps1, Fps2, Fps3, Ping, Bots, Other };
inline constexpr int tabCount = 6;

enum class Kind { ThreeState, Slider, DirectX };

// What a row's "D" button sets.
enum class Reset { On, Off, SliderDefault, DirectX90 };

struct SliderRange {
    int min = 0;
    int max = 0;
    int initial = 0;
    int smallChange = 0;
    int largeChange = 0;
    int tickFrequency = 0;
};

inline constexpr int noRowIndex = -1;

// A setting is known everywhere by its place in settings(); the description file keeps its three
// lines in the slot of the same number.
struct Setting {
    int rowIndex;          // control-array index of its controls; noRowIndex for the DirectX row
    std::string_view name; // console variable name, the caption of the row's label
    Tab tab;
    Kind kind;
    Reset reset;
    SliderRange slider; // slider rows only
};

inline constexpr int threeStateCount = 37; // rows 0..36
inline constexpr int sliderCount = 14;     // rows 90..103
inline constexpr int firstSliderRow = 90;
inline constexpr int settingCount = threeStateCount + sliderCount + 1;
inline constexpr int descriptionSlotCount = settingCount;
inline constexpr int directXSetting = threeStateCount; // the DirectX row's place
inline constexpr int firstSliderSetting = threeStateCount + 1;

inline constexpr std::string_view dxName = "mat_dxlevel";
inline constexpr int dxLevelCount = 6;
inline constexpr std::array<int, dxLevelCount> dxLevels = {50, 60, 70, 80, 81, 90};
inline constexpr std::array<std::string_view, dxLevelCount> dxCaptions = {"DirectX 5.0", "DirectX 6.0", "DirectX 7.0",
                                                                          "DirectX 8.0", "DirectX 8.1", "DirectX 9.0"};
inline constexpr int dxResetMember = 5;

// All 52 settings: three-state rows 0..36, the DirectX row, slider rows 90..103.
std::span<const Setting> settings();
const Setting &setting(int place);

// The place of the setting with this name; letter case does not count, as in the game's console.
std::optional<int> findSetting(std::string_view name);
inline constexpr int longestNameSize = 29; // mat_show_texture_memory_usage

std::string_view tabCaption(Tab tab);

// The DirectX member whose level is `level`, if any.
std::optional<int> dxMemberForLevel(int level);

} // namespace Catalogue
