#include "support/ChoicesText.h"

#include "core/catalogue/CatalogueText.h"
#include "core/input/ConfigReader.h"

#include <QRandomGenerator>

using namespace Qt::StringLiterals;

QStringList changedSettings(const Choices &choices)
{
    const Choices start;
    QStringList changed;
    for (int place = 0; place < Catalogue::settingCount; ++place) {
        const QString name = toQString(Catalogue::setting(place).name);
        switch (Catalogue::setting(place).kind) {
        case Catalogue::Kind::ThreeState:
            if (choices.switchState(place) != start.switchState(place))
                changed << name + (choices.switchState(place) == SwitchState::On ? u"=On"_s : u"=Off"_s);
            break;
        case Catalogue::Kind::Slider:
            if (choices.sliderValue(place) != start.sliderValue(place))
                changed << name + u'=' + QString::number(choices.sliderValue(place));
            break;
        case Catalogue::Kind::DirectX:
            if (choices.dxMember())
                changed << name + u'=' + QString::number(Catalogue::dxLevels.at(size_t(*choices.dxMember())));
            break;
        }
    }
    return changed;
}

Choices randomChoices(quint32 seed)
{
    QRandomGenerator random(seed);
    Choices choices;
    for (int place = 0; place < Catalogue::settingCount; ++place) {
        if (random.bounded(4) == 0)
            continue; // left as a fresh window has it, and not set
        const Catalogue::Setting &setting = Catalogue::setting(place);
        if (setting.kind == Catalogue::Kind::ThreeState) {
            choices.setSwitch(place, static_cast<SwitchState>(random.bounded(3)));
        } else if (setting.kind == Catalogue::Kind::Slider) {
            const Catalogue::SliderRange &range = setting.slider;
            const std::array values{range.min, range.max, int(random.bounded(range.min, range.max + 1))};
            choices.setSliderValue(place, values.at(random.bounded(3)));
        } else {
            choices.setDxMember(int(random.bounded(Catalogue::dxLevelCount)));
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
