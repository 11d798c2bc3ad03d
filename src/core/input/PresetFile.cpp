#include "core/input/PresetFile.h"

#include "core/catalogue/CatalogueText.h"

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/NumberText.h"

#include "core/input/OutsideFile.h"

using namespace Qt::StringLiterals;

namespace PresetFile {
namespace {

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// The items skip the DirectX level, which sits between the switches and the sliders.
Catalogue::SettingId settingOfItem(int item)
{
    const int dx = Catalogue::directXSetting.place();
    return Catalogue::SettingId(item < dx ? item : item + 1);
}

// "Item 6 (cl_ejectbrass)": counted from 1 for the reader, with the setting it sets.
QString itemLabel(int item)
{
    if (item >= itemCount)
        return u"Item %1"_s.arg(item + 1);
    return u"Item %1 (%2)"_s.arg(item + 1).arg(toQString(Catalogue::setting(settingOfItem(item)).name));
}

Problem problem(int item, const QString &what)
{
    return {item, itemLabel(item) + u' ' + what};
}

// Splits the text into items. An item ends at a comma or a line end; blanks before it are
// skipped; a quoted item may hold commas. An item that holds nothing, or "", stays empty. Lines
// with nothing on them hold no item.
std::variant<QStringList, Problem> splitItems(QStringView text)
{
    QStringList items;
    qsizetype i = 0;
    const qsizetype end = text.size();
    bool afterComma = false;
    while (i < end || afterComma) {
        while (i < end && text[i] == u' ')
            ++i;
        const int number = int(items.size());
        if (!afterComma && (i == end || isLineEnd(text[i]))) {
            // A line end: CR LF counts as one.
            if (i < end && text[i] == u'\r' && i + 1 < end && text[i + 1] == u'\n')
                ++i;
            ++i;
            continue;
        }
        QString item;
        if (text[i] == u'"') {
            const qsizetype close = text.indexOf(u'"', i + 1);
            qsizetype lineEnd = i + 1;
            while (lineEnd < end && !isLineEnd(text[lineEnd]))
                ++lineEnd;
            if (close < 0 || close > lineEnd)
                return problem(number, u"has no closing quote."_s);
            item = text.mid(i + 1, close - i - 1).toString();
            i = close + 1;
            while (i < end && text[i] == u' ')
                ++i;
            if (i < end && text[i] != u',' && !isLineEnd(text[i]))
                return problem(number, u"has text after its closing quote."_s);
        } else {
            const qsizetype start = i;
            while (i < end && text[i] != u',' && !isLineEnd(text[i]))
                ++i;
            item = text.mid(start, i - start).toString();
        }
        if (items.size() == itemCount)
            return Problem{number, u"The file has more than %1 items."_s.arg(itemCount)};
        items.append(item);
        afterComma = i < end && text[i] == u',';
        if (afterComma)
            ++i;
    }
    return items;
}

std::variant<Step, Problem> readItem(int number, const QString &item)
{
    const std::optional<std::int16_t> kind = NumberText::toWhole16(QStringView(item).right(1));
    if (!kind)
        return problem(number, u"does not end in a digit."_s);
    const qsizetype point = item.indexOf(u'.');
    const QStringView valueText = point < 0 ? QStringView(item) : QStringView(item).mid(point + 1);
    const std::optional<std::int16_t> value = NumberText::toWhole16(valueText);
    if (!value)
        return problem(number, u"does not hold a whole number from -32768 to 32767."_s);

    const Catalogue::SettingId setting = settingOfItem(number);
    if (Catalogue::setting(setting).kind == Catalogue::Kind::ThreeState) {
        if (*kind != 1 && *kind != 3)
            return problem(number, u"must end in 1 (On) or 3 (Off)."_s);
        return Step{setting, *kind == 1 ? SwitchState::On : SwitchState::Off};
    }
    if (*kind == 1 || *kind == 3)
        return problem(number, u"is a slider value and must not end in 1 or 3."_s);
    return Step{setting, SliderPosition{*kind == 2 ? 0 : *value}};
}

} // namespace

Parsed parse(QByteArrayView text)
{
    // 8-bit text: every byte stands for one character.
    const QString decoded = QString::fromLatin1(text);
    const std::variant<QStringList, Problem> split = splitItems(decoded);
    if (const Problem *fault = std::get_if<Problem>(&split))
        return *fault;
    const QStringList &items = std::get<QStringList>(split);

    QList<Step> steps;
    steps.reserve(items.size());
    for (int number = 0; number < items.size(); ++number) {
        // An empty item leaves its row as it is.
        if (items.at(number).isEmpty())
            continue;
        const std::variant<Step, Problem> read = readItem(number, items.at(number));
        if (const Problem *fault = std::get_if<Problem>(&read))
            return *fault;
        steps.append(std::get<Step>(read));
    }
    return steps;
}

Parsed readFile(const QString &path)
{
    const OutsideFile::Bytes read = OutsideFile::readAll(path, maxFileSize);
    if (!read.failure)
        return parse(read.bytes);
    switch (read.failure->why) {
    case OutsideFile::Failure::Why::NotOrdinary:
        return Problem{-1, u"The file cannot be read: it is not an ordinary file."_s};
    case OutsideFile::Failure::Why::TooLarge:
        return Problem{-1, u"The file cannot be read: it is larger than %1 KB."_s.arg(maxFileSize / 1024)};
    case OutsideFile::Failure::Why::CannotOpen:
    case OutsideFile::Failure::Why::CannotRead:
        break;
    }
    return Problem{-1, u"The file cannot be read: %1."_s.arg(read.failure->systemText)};
}

void apply(const QList<Step> &steps, Choices &choices)
{
    for (const Step &step : steps)
        choices.set(step.setting, step.value);
}

} // namespace PresetFile
