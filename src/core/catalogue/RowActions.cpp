#include "core/catalogue/RowActions.h"

#include "core/catalogue/Choices.h"
#include "core/catalogue/StartupData.h"

using namespace Qt::StringLiterals;

namespace RowActions {

QString descriptionText(const StartupTables &tables, Catalogue::SettingId setting)
{
    const auto &lines = tables.desc.at(static_cast<size_t>(setting.place()));
    return lines[0] + u"\r\n"_s + lines[1] + u"\r\n"_s + lines[2];
}

void reset(Choices &choices, const StartupTables &tables, Catalogue::SettingId setting)
{
    switch (Catalogue::setting(setting).reset) {
    case Catalogue::Reset::On:
        choices.setSwitch(setting, SwitchState::On);
        return;
    case Catalogue::Reset::Off:
        choices.setSwitch(setting, SwitchState::Off);
        return;
    case Catalogue::Reset::SliderDefault:
        if (const std::optional<int> value = StartupData::sliderResetValue(tables, setting))
            choices.setSliderValue(setting, *value);
        return;
    case Catalogue::Reset::NoLevel:
        choices.set(setting, DxSelection{});
        return;
    }
}

} // namespace RowActions
