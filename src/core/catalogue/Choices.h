#pragma once

#include "core/catalogue/Catalogue.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <variant>

enum class SwitchState : std::uint8_t { Default, On, Off };

// A slider's position.
struct SliderPosition {
    int value = 0;
    bool operator==(const SliderPosition &) const = default;
};

// The DirectX row's selected level, one of Catalogue::dxLevels; none until one is selected.
struct DxSelection {
    std::optional<int> level;
    bool operator==(const DxSelection &) const = default;
};

// What the window holds for one setting; the alternative follows Catalogue::Kind's order.
using SettingValue = std::variant<SwitchState, SliderPosition, DxSelection>;

// The player's choices for every setting of the catalogue, each at the setting's place in it; and for
// each setting whether it was set since the window was made, which is what saving over a player's
// file writes. A plain value, free of widgets: the window shows one, and the composers, readers and
// presets work on one.
class Choices {
public:
    // As a fresh window shows them: every switch in Default, each slider at its start, no DirectX level.
    Choices();

    const SettingValue &value(Catalogue::SettingId setting) const;
    // Marks the setting as set, even when the value stays the same. A slider keeps its value within
    // its range: a value outside ends at the nearest end.
    void set(Catalogue::SettingId setting, const SettingValue &value);

    int sliderValue(Catalogue::SettingId setting) const { return std::get<SliderPosition>(value(setting)).value; }

    void setSwitch(Catalogue::SettingId setting, SwitchState state) { set(setting, state); }
    void setSliderValue(Catalogue::SettingId setting, int value) { set(setting, SliderPosition{value}); }
    void setDxLevel(int level) { set(Catalogue::directXSetting, DxSelection{level}); }

    bool isSet(Catalogue::SettingId setting) const { return m_set.test(static_cast<size_t>(setting.place())); }

    bool operator==(const Choices &) const = default;

private:
    std::array<SettingValue, Catalogue::settingCount> m_values;
    std::bitset<Catalogue::settingCount> m_set;
};
