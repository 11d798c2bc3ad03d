#pragma once

#include "core/catalogue/Catalogue.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

enum class SwitchState : std::uint8_t { Default, On, Off };

// The player's choices for every setting of the catalogue, each at the setting's place in it: a
// switch's state, a slider's value, the selected DirectX member; and for each setting whether it was
// set since the window was made, which is what saving over a player's file writes. A plain value,
// free of widgets: the window shows one, and the composers, readers and presets work on one.
class Choices {
public:
    // As a fresh window shows them: every switch in Default, each slider at its start, no DirectX level.
    Choices();

    SwitchState switchState(int setting) const;
    void setSwitch(int setting, SwitchState state);

    int sliderValue(int setting) const;
    // A slider keeps its value within its range: a value outside ends at the nearest end.
    void setSliderValue(int setting, int value);

    // The selected DirectX member 0..5, if any.
    std::optional<int> dxMember() const;
    void setDxMember(int member);

    // Every setter marks its setting as set, even when the value stays the same.
    bool isSet(int setting) const { return m_set.test(static_cast<size_t>(setting)); }

    bool operator==(const Choices &) const = default;

private:
    // Per place: a SwitchState, a slider's value, or the DirectX member (noDxMember for none).
    std::array<int, Catalogue::settingCount> m_values{};
    std::bitset<Catalogue::settingCount> m_set;
};
