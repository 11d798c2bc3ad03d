#include "core/catalogue/StartupData.h"

#include "core/catalogue/CatalogueText.h"

#include "core/catalogue/DataFileText.h"
#include "core/catalogue/NumberText.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace StartupData {
namespace {

constexpr int descFileLines = Catalogue::descriptionSlotCount * StartupTables::descLines;

QString filePath(const QString &dataFolder, const char16_t *name)
{
    return QDir::toNativeSeparators(dataFolder + u'/' + QString::fromUtf16(name));
}

// Reads one file; reports it when it cannot be read or holds more lines than maxLines.
std::optional<QStringList> readFile(const QString &path, int maxLines, const QString &tooLong, QList<Problem> &problems)
{
    DataFileText::Lines read = DataFileText::readLines(path, maxLines);
    if (read.error) {
        problems.append({path, u"cannot be read: "_s + *read.error + u'.'});
        return std::nullopt;
    }
    if (read.moreFollow)
        problems.append({path, tooLong});
    return std::move(read.lines);
}

void readDescriptions(const QString &dataFolder, StartupTables &tables, QList<Problem> &problems)
{
    const QString path = filePath(dataFolder, descFile);
    const auto lines = readFile(path, descFileLines,
                                u"holds more than %1 descriptions of three lines; the lines after line %2 were "
                                u"left out."_s.arg(Catalogue::descriptionSlotCount)
                                    .arg(descFileLines),
                                problems);
    if (!lines)
        return;
    for (qsizetype i = 0; i < lines->size(); ++i)
        tables.desc[i / StartupTables::descLines][i % StartupTables::descLines] = lines->at(i);
    if (lines->size() % StartupTables::descLines != 0) {
        problems.append({path, u"ends inside a description: its %1 lines are not a multiple of three, so "
                               u"the last description is incomplete."_s.arg(lines->size())});
    }
}

void readSliderDefaults(const QString &dataFolder, StartupTables &tables, QList<Problem> &problems)
{
    const QString path = filePath(dataFolder, sldefFile);
    const auto lines = readFile(
        path, Catalogue::sliderCount,
        u"holds more than %1 slider values; the lines after line %1 were left out."_s.arg(Catalogue::sliderCount),
        problems);
    if (!lines)
        return; // already reported; every slider then keeps its place
    // The file holds the sliders' entries in their order, the first slider's on line 1.
    for (int k = 0; k < int(lines->size()); ++k)
        tables.sldef[static_cast<size_t>(Catalogue::sliderSetting(k).place())] = lines->at(k);
    for (int k = 0; k < Catalogue::sliderCount; ++k) {
        const Catalogue::SettingId slider = Catalogue::sliderSetting(k);
        if (sliderResetValue(tables, slider))
            continue;
        const Catalogue::Setting &setting = Catalogue::setting(slider);
        const QString entry =
            k < lines->size() ? u"\"%1\""_s.arg(tables.sldef[static_cast<size_t>(slider.place())]) : u"missing"_s;
        // One pass, so that a "%" in the entry is never taken for a place holder.
        problems.append({path, u"line %1 (%2) is %3, not a whole number from %4 to %5; its \"D\" button leaves "
                               u"the slider as it is."_s.arg(QString::number(k + 1), toQString(setting.name), entry,
                                                             QString::number(setting.slider.min),
                                                             QString::number(setting.slider.max))});
    }
}

void readDefaultValues(const QString &dataFolder, StartupTables &tables, QList<Problem> &problems)
{
    const QString path = filePath(dataFolder, defvalFile);
    const auto lines = readFile(path, StartupTables::defvalEntries,
                                u"holds more than %1 default values; the lines after line %1 were left out."_s.arg(
                                    StartupTables::defvalEntries),
                                problems);
    if (!lines)
        return;
    for (qsizetype i = 0; i < lines->size(); ++i)
        tables.defval[i] = lines->at(i);
}

} // namespace

Result readStartupTables(const QString &dataFolder)
{
    Result result;
    readDescriptions(dataFolder, result.tables, result.problems);
    readSliderDefaults(dataFolder, result.tables, result.problems);
    readDefaultValues(dataFolder, result.tables, result.problems);
    return result;
}

std::optional<int> sliderResetValue(const StartupTables &tables, Catalogue::SettingId slider)
{
    const std::optional<std::int32_t> value =
        NumberText::toWhole32(tables.sldef.at(static_cast<size_t>(slider.place())));
    const Catalogue::SliderRange &range = Catalogue::setting(slider).slider;
    if (!value || *value < range.min || *value > range.max)
        return std::nullopt;
    return *value;
}

QString problemReport(const QList<Problem> &problems)
{
    QStringList lines{u"Tunewick could not read all of its data. The window works without what is missing:"_s};
    for (const Problem &problem : problems)
        lines << problem.path + u": "_s + problem.what;
    return lines.join(u"\r\n"_s);
}

} // namespace StartupData
