#include "core/catalogue/Choices.h"

#include "core/catalogue/ValueRule.h"

#include <algorithm>
#include <cassert>

Choices::Choices()
{
    for (const Catalogue::SettingId setting : Catalogue::allSettings())
        m_values[static_cast<size_t>(setting.place())] = ValueRule::initialValue(setting);
}

const SettingValue &Choices::value(Catalogue::SettingId setting) const
{
    return m_values[static_cast<size_t>(setting.place())];
}

void Choices::set(Catalogue::SettingId setting, const SettingValue &value)
{
    const Catalogue::Setting &row = Catalogue::setting(setting);
    assert(value.index() == static_cast<size_t>(row.kind));
    SettingValue &held = m_values[static_cast<size_t>(setting.place())];
    held = value;
    if (auto *slider = std::get_if<SliderPosition>(&held))
        slider->value = std::clamp(slider->value, row.slider.min, row.slider.max);
    assert(!std::holds_alternative<DxSelection>(held) || !std::get<DxSelection>(held).level
           || Catalogue::dxCaption(*std::get<DxSelection>(held).level));
    m_set.set(static_cast<size_t>(setting.place()));
}
