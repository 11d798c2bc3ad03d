#include "core/catalogue/ValueRule.h"

#include "core/catalogue/CatalogueText.h"
#include "core/catalogue/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace ValueRule {
namespace {

template<typename... Each> struct Overloaded : Each... {
    using Each::operator()...;
};
template<typename... Each> Overloaded(Each...) -> Overloaded<Each...>;

// The value as a number, without allocating: the reader calls this for every command of a config.
std::optional<double> number(QByteArrayView value, bool longer)
{
    if (longer || value.size() > longestNumber)
        return std::nullopt;
    std::array<char16_t, longestNumber> wide{};
    std::copy(value.begin(), value.end(), wide.begin());
    return NumberText::parseNumber(QStringView(wide.data(), value.size()));
}

} // namespace

SettingValue initialValue(Catalogue::SettingId setting)
{
    const Catalogue::Setting &row = Catalogue::setting(setting);
    switch (row.kind) {
    case Catalogue::Kind::ThreeState:
        return SwitchState::Default;
    case Catalogue::Kind::Slider:
        return SliderPosition{row.slider.initial};
    case Catalogue::Kind::DirectX:
        break;
    }
    return DxSelection{};
}

Reading read(Catalogue::SettingId setting, QByteArrayView value, bool longer)
{
    const std::optional<double> given = number(value, longer);
    if (!given)
        return {};
    const Catalogue::Setting &row = Catalogue::setting(setting);
    const bool whole = *given == std::trunc(*given);
    switch (row.kind) {
    case Catalogue::Kind::ThreeState:
        return {*given == 1.0 ? SwitchState::On : SwitchState::Off, *given == 0.0 || *given == 1.0};
    case Catalogue::Kind::Slider: {
        // nearbyint rounds in the default mode: to nearest, halves to even.
        const double rounded = std::nearbyint(*given);
        if (rounded < row.slider.min || rounded > row.slider.max)
            return {};
        return {SliderPosition{static_cast<int>(rounded)}, whole};
    }
    case Catalogue::Kind::DirectX:
        break;
    }
    // Compared as a whole number only once it is known to be a small one.
    if (!whole || std::abs(*given) > Catalogue::dxLevels.back().level
        || !Catalogue::dxCaption(static_cast<int>(*given)))
        return {};
    return {DxSelection{static_cast<int>(*given)}, true};
}

std::optional<QByteArray> fileText(const SettingValue &value)
{
    return std::visit(
        Overloaded{[](SwitchState state) -> std::optional<QByteArray> {
                       if (state == SwitchState::Default)
                           return std::nullopt;
                       return state == SwitchState::On ? "1"_ba : "0"_ba;
                   },
                   // QByteArray::number never groups digits nor follows the user's locale.
                   [](SliderPosition slider) -> std::optional<QByteArray> { return QByteArray::number(slider.value); },
                   [](DxSelection dx) -> std::optional<QByteArray> {
                       if (!dx.level)
                           return std::nullopt;
                       return QByteArray::number(*dx.level);
                   }},
        value);
}

QString shownWords(const SettingValue &value)
{
    return std::visit(Overloaded{[](SwitchState state) {
                                     return state == SwitchState::On    ? u"On"_s
                                            : state == SwitchState::Off ? u"Off"_s
                                                                        : u"neither On nor Off"_s;
                                 },
                                 [](SliderPosition slider) { return QString::number(slider.value); },
                                 [](DxSelection dx) {
                                     return dx.level ? toQString(*Catalogue::dxCaption(*dx.level)) : u"no level"_s;
                                 }},
                      value);
}

} // namespace ValueRule
