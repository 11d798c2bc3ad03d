#include "core/catalogue/Choices.h"

#include <algorithm>
#include <cassert>

namespace {

constexpr int noDxMember = -1;

[[maybe_unused]] bool isKind(int setting, Catalogue::Kind kind)
{
    return Catalogue::setting(setting).kind == kind;
}

} // namespace

Choices::Choices()
{
    for (int place = 0; place < Catalogue::settingCount; ++place) {
        const Catalogue::Setting &setting = Catalogue::setting(place);
        m_values[place] = setting.kind == Catalogue::Kind::Slider    ? setting.slider.initial
                          : setting.kind == Catalogue::Kind::DirectX ? noDxMember
                                                                     : static_cast<int>(SwitchState::Default);
    }
}

SwitchState Choices::switchState(int setting) const
{
    assert(isKind(setting, Catalogue::Kind::ThreeState));
    return static_cast<SwitchState>(m_values[setting]);
}

void Choices::setSwitch(int setting, SwitchState state)
{
    assert(isKind(setting, Catalogue::Kind::ThreeState));
    m_values[setting] = static_cast<int>(state);
    m_set.set(static_cast<size_t>(setting));
}

int Choices::sliderValue(int setting) const
{
    assert(isKind(setting, Catalogue::Kind::Slider));
    return m_values[setting];
}

void Choices::setSliderValue(int setting, int value)
{
    assert(isKind(setting, Catalogue::Kind::Slider));
    const Catalogue::SliderRange &range = Catalogue::setting(setting).slider;
    m_values[setting] = std::clamp(value, range.min, range.max);
    m_set.set(static_cast<size_t>(setting));
}

std::optional<int> Choices::dxMember() const
{
    const int member = m_values[Catalogue::directXSetting];
    if (member == noDxMember)
        return std::nullopt;
    return member;
}

void Choices::setDxMember(int member)
{
    assert(member >= 0 && member < Catalogue::dxLevelCount);
    m_values[Catalogue::directXSetting] = member;
    m_set.set(Catalogue::directXSetting);
}
