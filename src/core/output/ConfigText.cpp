#include "core/output/ConfigText.h"

#include "core/catalogue/CatalogueText.h"
#include "core/catalogue/Choices.h"
#include "core/catalogue/StartupTables.h"
#include "core/catalogue/ValueRule.h"

#include <QStringList>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString headerRule = u"//============"_s;
const QString previewTitle = u"//    Tunewick    "_s;
const QString fileTitle = u"//  Tunewick"_s;
const QString previewFooterRule = u"//====================="_s;
const QString fileFooterRule = u"//========================"_s;
const QString echoLine = u"echo :::Zorara l0aded:::"_s;
const QString lineBreak = u"\r\n"_s;

// What the preview shows for a value a saved file leaves out: a switch's default value text, and
// level 90, which stands in for "no level chosen" as well as for DirectX 9.0 itself.
QString previewValue(const Choices &choices, Catalogue::SettingId setting, const StartupTables &tables)
{
    if (const std::optional<QByteArray> value = ValueRule::fileText(choices.value(setting)))
        return QString::fromLatin1(*value);
    if (Catalogue::setting(setting).kind == Catalogue::Kind::ThreeState)
        return tables.defval[static_cast<size_t>(setting.place())];
    return QString::number(Catalogue::dxPreviewLevel);
}

// The lines of the settings `chosen` picks, in a saved file's order; a switch in Default and no level
// have none.
QList<SettingLine> fileLines(const Choices &choices, const std::function<bool(Catalogue::SettingId)> &chosen)
{
    QList<SettingLine> lines;
    const auto add = [&](Catalogue::SettingId setting) {
        if (!chosen(setting))
            return;
        if (const std::optional<QByteArray> value = ValueRule::fileText(choices.value(setting)))
            lines.append({setting, *value});
    };
    // The DirectX level comes last.
    for (const Catalogue::SettingId setting : Catalogue::allSettings()) {
        if (setting != Catalogue::directXSetting)
            add(setting);
    }
    add(Catalogue::directXSetting);
    return lines;
}

} // namespace

QByteArray SettingLine::text() const
{
    const std::string_view name = Catalogue::setting(setting).name;
    return QByteArray(name.data(), qsizetype(name.size())) + ' ' + value;
}

QString composePreviewText(const Choices &choices, const StartupTables &tables)
{
    QStringList lines{headerRule, previewTitle, headerRule, QString()};
    for (const Catalogue::SettingId setting : Catalogue::allSettings())
        lines << toQString(Catalogue::setting(setting).name) + u' ' + previewValue(choices, setting, tables);
    lines << QString() << previewFooterRule << echoLine << previewFooterRule;
    return lines.join(lineBreak);
}

QList<SettingLine> settingLinesSetInWindow(const Choices &choices)
{
    return fileLines(choices, [&choices](Catalogue::SettingId setting) { return choices.isSet(setting); });
}

QList<SettingLine> settingLinesChanged(const Choices &choices, const std::bitset<Catalogue::settingCount> &changed)
{
    return fileLines(choices,
                     [&changed](Catalogue::SettingId setting) { return changed.test(size_t(setting.place())); });
}

QByteArray composeFileText(const QList<SettingLine> &settings)
{
    QStringList lines{headerRule, fileTitle, headerRule, QString()};
    for (const SettingLine &setting : settings)
        lines << QString::fromLatin1(setting.text());
    lines << QString() << fileFooterRule << echoLine << fileFooterRule;
    // Every character comes from the literals, the ASCII names and digits.
    return (lines.join(lineBreak) + lineBreak).toLatin1();
}
