#include "core/output/ConfigUpdate.h"

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Choices.h"
#include "core/input/ConfigReader.h"
#include "core/output/ConfigText.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ConfigUpdate {

namespace {

constexpr QByteArrayView byteOrderMark("\xEF\xBB\xBF");

// Makes `setting` differ from the window's value, so that reading a line shows whether the line
// gives the window's value.
void unsetInProbe(Choices &probe, const Choices &window, int setting)
{
    switch (Catalogue::setting(setting).kind) {
    case Catalogue::Kind::ThreeState:
        probe.setSwitch(setting, window.switchState(setting) == SwitchState::On ? SwitchState::Off : SwitchState::On);
        return;
    case Catalogue::Kind::Slider: {
        const Catalogue::SliderRange &range = Catalogue::setting(setting).slider;
        probe.setSliderValue(setting, window.sliderValue(setting) == range.min ? range.max : range.min);
        return;
    }
    case Catalogue::Kind::DirectX:
        probe.setDxMember((window.dxMember().value_or(0) + 1) % Catalogue::dxLevelCount);
        return;
    }
}

// Where the line starting at `from` ends, and where the next one starts: CR LF, LF alone and CR
// alone end a line, as for the reader.
std::pair<qsizetype, qsizetype> lineBounds(QByteArrayView bytes, qsizetype from)
{
    const auto *const end =
        std::find_if(bytes.begin() + from, bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
    const qsizetype textEnd = end - bytes.begin();
    if (textEnd == bytes.size())
        return {textEnd, textEnd};
    const bool crLf = bytes[textEnd] == '\r' && textEnd + 1 < bytes.size() && bytes[textEnd + 1] == '\n';
    return {textEnd, textEnd + (crLf ? 2 : 1)};
}

} // namespace

Existing readExisting(const QString &path)
{
    // Checked before opening: opening a named pipe already blocks.
    const QFileInfo info(path);
    if (!info.isFile())
        return {{}, u"it is not an ordinary file"_s};
    const QString tooLarge = u"it is larger than 16 MB"_s;
    if (info.size() > maxFileSize)
        return {{}, tooLarge};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, u"it cannot be read (%1)"_s.arg(file.errorString())};
    // Read to its end, not to the size seen above: the file may have grown since.
    QByteArray bytes;
    QByteArray chunk(qint64{64} * 1024, Qt::Uninitialized);
    for (qint64 got = 0; (got = file.read(chunk.data(), chunk.size())) != 0;) {
        if (got < 0)
            return {{}, u"it cannot be read (%1)"_s.arg(file.errorString())};
        bytes.append(chunk.constData(), got);
        if (bytes.size() > maxFileSize)
            return {{}, tooLarge};
    }
    if (bytes.contains('\0'))
        return {{}, u"it holds binary data"_s};
    return {bytes, {}};
}

QByteArray updateText(QByteArrayView existing, const Choices &choices)
{
    const QList<SettingLine> settings = fileSettingLines(choices);
    QHash<int, qsizetype> written;
    for (qsizetype i = 0; i < settings.size(); ++i)
        written.insert(settings[i].setting, i);
    QList<bool> named(settings.size(), false);

    // One reader for the whole file, fed a line at a time, says what each line does: which written
    // setting it names (the listener) and whether it gives the window's value (the probe).
    Choices probe = choices;
    ConfigReader reader(probe);
    std::optional<qsizetype> namedSetting; // by the line being read
    reader.setNameListener([&](int setting) {
        if (const auto found = written.constFind(setting); found != written.cend()) {
            namedSetting = found.value();
            unsetInProbe(probe, choices, setting);
        }
    });

    QByteArray result;
    result.reserve(existing.size() + settings.size() * 32);
    qsizetype at = 0;
    if (existing.startsWith(byteOrderMark)) {
        reader.feed(byteOrderMark);
        result.append(byteOrderMark);
        at = byteOrderMark.size();
    }
    QByteArrayView firstLineEnd;
    bool lastLineEnded = true;
    while (at < existing.size()) {
        const auto [textEnd, next] = lineBounds(existing, at);
        const QByteArrayView line = existing.sliced(at, next - at);
        const QByteArrayView lineEnd = existing.sliced(textEnd, next - textEnd);
        namedSetting.reset();
        probe = choices;
        reader.feed(line);
        if (next == existing.size())
            reader.finish();
        if (namedSetting && composeFileText(probe) != composeFileText(choices)) {
            result.append(settings[*namedSetting].text.toLatin1());
            result.append(lineEnd);
        } else {
            result.append(line);
        }
        if (namedSetting)
            named[*namedSetting] = true;
        if (firstLineEnd.isEmpty())
            firstLineEnd = lineEnd;
        lastLineEnded = !lineEnd.isEmpty();
        at = next;
    }

    const QByteArrayView lineEnd = firstLineEnd.isEmpty() ? QByteArrayView("\r\n") : firstLineEnd;
    for (qsizetype i = 0; i < settings.size(); ++i) {
        if (named[i])
            continue;
        if (!lastLineEnded)
            result.append(lineEnd);
        lastLineEnded = true;
        result.append(settings[i].text.toLatin1());
        result.append(lineEnd);
    }
    return result;
}

} // namespace ConfigUpdate
