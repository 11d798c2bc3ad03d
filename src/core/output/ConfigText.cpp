#include "core/output/ConfigText.h"

#include "core/catalogue/CatalogueText.h"
#include "core/catalogue/Choices.h"
#include "core/catalogue/StartupTables.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

const QString headerRule = u"//============"_s;
const QString previewTitle = u"//    Tunewick    "_s;
const QString fileTitle = u"//  Tunewick"_s;
const QString previewFooterRule = u"//====================="_s;
const QString fileFooterRule = u"//========================"_s;
const QString echoLine = u"echo :::Zorara l0aded:::"_s;
const QString lineBreak = u"\r\n"_s;

// "name value", the unit both config texts are made of.
QString settingLine(int setting, const QString &value)
{
    return toQString(Catalogue::setting(setting).name) + u' ' + value;
}

QString dxLevelText(int member)
{
    return QString::number(Catalogue::dxLevels[static_cast<size_t>(member)]);
}

} // namespace

QString composePreviewText(const Choices &choices, const StartupTables &tables)
{
    QStringList lines{headerRule, previewTitle, headerRule, QString()};
    for (int place = 0; place < Catalogue::settingCount; ++place) {
        switch (Catalogue::setting(place).kind) {
        case Catalogue::Kind::ThreeState: {
            const SwitchState state = choices.switchState(place);
            lines << settingLine(place, state == SwitchState::On    ? u"1"_s
                                        : state == SwitchState::Off ? u"0"_s
                                                                    : tables.defval[static_cast<size_t>(place)]);
            break;
        }
        case Catalogue::Kind::DirectX:
            // Level 90 stands in for "no level chosen" as well as for DirectX 9.0 itself.
            lines << settingLine(place, dxLevelText(choices.dxMember().value_or(Catalogue::dxResetMember)));
            break;
        case Catalogue::Kind::Slider:
            // QString::number never groups digits nor follows the user's locale.
            lines << settingLine(place, QString::number(choices.sliderValue(place)));
            break;
        }
    }
    lines << QString() << previewFooterRule << echoLine << previewFooterRule;
    return lines.join(lineBreak);
}

QList<SettingLine> fileSettingLines(const Choices &choices)
{
    QList<SettingLine> lines;
    const auto add = [&lines](int place, const QString &value) { lines.append({place, settingLine(place, value)}); };
    for (int place = 0; place < Catalogue::threeStateCount; ++place) {
        const SwitchState state = choices.switchState(place);
        if (state != SwitchState::Default)
            add(place, state == SwitchState::On ? u"1"_s : u"0"_s);
    }
    for (int place = Catalogue::firstSliderSetting; place < Catalogue::settingCount; ++place)
        add(place, QString::number(choices.sliderValue(place)));
    if (const std::optional<int> dx = choices.dxMember())
        add(Catalogue::directXSetting, dxLevelText(*dx));
    return lines;
}

QList<SettingLine> settingLinesSetInWindow(const Choices &choices)
{
    QList<SettingLine> lines = fileSettingLines(choices);
    lines.removeIf([&choices](const SettingLine &line) { return !choices.isSet(line.setting); });
    return lines;
}

QByteArray composeFileText(const Choices &choices)
{
    QStringList lines{headerRule, fileTitle, headerRule, QString()};
    for (const SettingLine &setting : fileSettingLines(choices))
        lines << setting.text;
    lines << QString() << fileFooterRule << echoLine << fileFooterRule;
    // Every character comes from the literals, the ASCII names and digits.
    return (lines.join(lineBreak) + lineBreak).toLatin1();
}
