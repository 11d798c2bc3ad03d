#include "core/output/ConfigText.h"

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/RowAccess.h"
#include "core/output/ValueTable.h"

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

QString rowLine(const ConfigValue &name, const ConfigValue &value)
{
    return rowLine(valueText(name), valueText(value));
}

} // namespace

QString rowLine(const QString &name, const QString &value)
{
    return name + u' ' + value;
}

QString composePreviewText(const ValueTable &table)
{
    QStringList lines{headerRule, previewTitle, headerRule, QString()};
    for (int i = 0; i < ValueTable::cvarCount; ++i)
        lines << rowLine(table.cvarname[i], table.cvarvalue[i]);
    for (int k = 0; k < Catalogue::sliderCount; ++k)
        lines << rowLine(table.slidername[k], table.slidervalue[k]);
    lines << QString() << previewFooterRule << echoLine << previewFooterRule;
    return lines.join(lineBreak);
}

QList<SettingLine> fileSettingLines(const RowAccess &rows)
{
    QList<SettingLine> lines;
    const auto add = [&lines](const QString &name, const QString &value) {
        lines.append({name, rowLine(name, value)});
    };
    for (int row = 0; row < Catalogue::threeStateCount; ++row) {
        const RowState state = rows.rowState(row);
        if (state == RowState::Off)
            add(rows.caption(row), u"0"_s);
        else if (state == RowState::On)
            add(rows.caption(row), u"1"_s);
    }
    for (int k = 0; k < Catalogue::sliderCount; ++k)
        add(rows.caption(Catalogue::firstSliderRow + k), QString::number(rows.sliderValue(k)));
    if (const std::optional<int> dx = rows.selectedDx())
        add(rows.dxCaption(), QString::number(Catalogue::dxLevels[*dx]));
    return lines;
}

QByteArray composeFileText(const RowAccess &rows)
{
    QStringList lines{headerRule, fileTitle, headerRule, QString()};
    for (const SettingLine &setting : fileSettingLines(rows))
        lines << setting.text;
    lines << QString() << fileFooterRule << echoLine << fileFooterRule;
    // Every character comes from the literals, the ASCII captions and digits.
    return (lines.join(lineBreak) + lineBreak).toLatin1();
}
