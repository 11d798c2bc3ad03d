#include "support/ChoicesText.h"

#include "core/catalogue/CatalogueText.h"
#include "core/catalogue/ValueRule.h"
#include "core/input/ConfigReader.h"

#include <QRandomGenerator>

using namespace Qt::StringLiterals;

QStringList changedSettings(const Choices &choices)
{
    const Choices start;
    QStringList changed;
    for (const Catalogue::SettingId setting : Catalogue::allSettings()) {
        const SettingValue &value = choices.value(setting);
        if (value == start.value(setting))
            continue;
        // A level by its number, as a config gives it; the rest as the window shows them.
        const QString shown = std::holds_alternative<DxSelection>(value)
                                  ? QString::fromLatin1(*ValueRule::fileText(value))
                                  : ValueRule::shownWords(value);
        changed << toQString(Catalogue::setting(setting).name) + u'=' + shown;
    }
    return changed;
}

Choices randomChoices(quint32 seed)
{
    QRandomGenerator random(seed);
    Choices choices;
    for (const Catalogue::SettingId id : Catalogue::allSettings()) {
        if (random.bounded(4) == 0)
            continue; // left as a fresh window has it, and not set
        const Catalogue::Setting &setting = Catalogue::setting(id);
        if (setting.kind == Catalogue::Kind::ThreeState) {
            choices.setSwitch(id, static_cast<SwitchState>(random.bounded(3)));
        } else if (setting.kind == Catalogue::Kind::Slider) {
            const Catalogue::SliderRange &range = setting.slider;
            const std::array values{range.min, range.max, int(random.bounded(range.min, range.max + 1))};
            choices.setSliderValue(id, values.at(random.bounded(3)));
        } else {
            choices.setDxLevel(Catalogue::dxLevels.at(random.bounded(int(Catalogue::dxLevels.size()))).level);
        }
    }
    return choices;
}

Choices openedConfig(QByteArrayView text, Choices start, qsizetype piece)
{
    ConfigReader reader(start);
    piece = piece > 0 ? piece : text.size();
    for (qsizetype at = 0; at < text.size(); at += piece)
        reader.feed(text.sliced(at, std::min(piece, text.size() - at)));
    reader.finish();
    return start;
}
