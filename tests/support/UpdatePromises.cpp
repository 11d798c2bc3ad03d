#include "support/UpdatePromises.h"

#include "core/input/ConfigReader.h"
#include "core/output/ConfigText.h"
#include "core/catalogue/Choices.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView byteOrderMark("\xEF\xBB\xBF");

// The lines without their ends; CR LF, LF and CR each end one. The byte-order mark is no part of them.
QList<QByteArrayView> splitLines(QByteArrayView bytes)
{
    bytes = bytes.sliced(bytes.startsWith(byteOrderMark) ? byteOrderMark.size() : 0);
    QList<QByteArrayView> lines;
    for (qsizetype start = 0, end = 0; start < bytes.size(); start = end) {
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines << bytes.sliced(start, end - start);
        end += bytes.sliced(end).startsWith("\r\n") ? 2 : qsizetype(end < bytes.size());
    }
    return lines;
}

// The lines that name none of `written`; the names of the others go to `named`.
QList<QByteArrayView> otherLines(QByteArrayView bytes, const QSet<QByteArray> &written, QSet<QByteArray> &named)
{
    QList<QByteArrayView> others;
    for (const QByteArrayView line : splitLines(bytes)) {
        const qsizetype space = line.indexOf(' ');
        const QByteArray name = space < 0 ? QByteArray() : line.first(space).toByteArray();
        if (written.contains(name))
            named.insert(name);
        else
            others << line;
    }
    return others;
}

} // namespace

QString brokenUpdatePromise(QByteArrayView existing, QByteArrayView updated, const Choices &window)
{
    QSet<QByteArray> written, named, namedAfter;
    for (const SettingLine &setting : fileSettingLines(window))
        {
        const std::string_view name = Catalogue::setting(setting.setting).name;
        written.insert(QByteArray(name.data(), qsizetype(name.size())));
    }
    if (existing.startsWith(byteOrderMark) != updated.startsWith(byteOrderMark))
        return u"byte-order mark added or lost"_s;
    if (otherLines(existing, written, named) != otherLines(updated, written, namedAfter))
        return u"a line that names no written setting changed"_s;
    if (splitLines(updated).size() != splitLines(existing).size() + written.size() - named.size())
        return u"not one line added for each setting no line names"_s;

    // Opened over choices that differ from the window in every setting it writes.
    Choices opened;
    for (int place = 0; place < Catalogue::settingCount; ++place) {
        const Catalogue::Setting &setting = Catalogue::setting(place);
        if (setting.kind == Catalogue::Kind::ThreeState)
            opened.setSwitch(place, window.switchState(place) == SwitchState::On ? SwitchState::Off : SwitchState::On);
        else if (setting.kind == Catalogue::Kind::Slider)
            opened.setSliderValue(place, window.sliderValue(place) == setting.slider.min ? setting.slider.max
                                                                                          : setting.slider.min);
    }
    opened.setDxMember((window.dxMember().value_or(0) + 1) % Catalogue::dxLevelCount);
    ConfigReader reader(opened);
    reader.feed(updated);
    reader.finish();
    const QList<SettingLine> got = fileSettingLines(opened);
    for (const SettingLine &setting : fileSettingLines(window)) {
        if (std::none_of(got.cbegin(), got.cend(), [&](const SettingLine &line) { return line.text == setting.text; }))
            return u"opened, not "_s + setting.text;
    }
    return {};
}
