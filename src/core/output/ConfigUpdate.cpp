#include "core/output/ConfigUpdate.h"

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/RowAccess.h"
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

// The window's rows as the reader sees them while it reads one line: it finds the rows by their
// captions and sets them through here, where each value it sets is compared with the window's.
class LineProbe final : public RowAccess {
public:
    explicit LineProbe(const RowAccess &window)
        : m_window(window)
    {
    }

    void startLine() { m_gaveWindowValue = false; }
    // The line set its row, and to the value the window holds.
    bool gaveWindowValue() const { return m_gaveWindowValue; }

    QString caption(int rowIndex) const override { return m_window.caption(rowIndex); }
    QString dxCaption() const override { return m_window.dxCaption(); }
    RowState rowState(int rowIndex) const override { return m_window.rowState(rowIndex); }
    int sliderValue(int sliderNumber) const override { return m_window.sliderValue(sliderNumber); }
    std::optional<int> selectedDx() const override { return m_window.selectedDx(); }

    void select(int rowIndex, RowState onOrOff) override { m_gaveWindowValue = onOrOff == m_window.rowState(rowIndex); }
    void setSliderValue(int sliderNumber, int value) override
    {
        // Clamped as the slider clamps it: rate "128000" gives the top of the range.
        const Catalogue::SliderRange &range = Catalogue::sliderRow(sliderNumber).slider;
        m_gaveWindowValue = std::clamp(value, range.min, range.max) == m_window.sliderValue(sliderNumber);
    }
    void selectDx(int member) override { m_gaveWindowValue = std::optional(member) == m_window.selectedDx(); }

private:
    const RowAccess &m_window;
    bool m_gaveWindowValue = false;
};

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

QByteArray updateText(QByteArrayView existing, const RowAccess &rows)
{
    const QList<SettingLine> settings = fileSettingLines(rows);
    QHash<QString, qsizetype> written;
    for (qsizetype i = 0; i < settings.size(); ++i)
        written.insert(settings[i].name, i);
    QList<bool> named(settings.size(), false);

    // One reader for the whole file, fed a line at a time, says what each line does: which written
    // setting it names (the listener) and whether it gives the window's value (the probe).
    LineProbe probe(rows);
    ConfigReader reader(probe);
    std::optional<qsizetype> namedSetting; // by the line being read
    reader.setNameListener([&](const QString &name) {
        if (const auto found = written.constFind(name); found != written.cend())
            namedSetting = found.value();
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
        probe.startLine();
        reader.feed(line);
        if (next == existing.size())
            reader.finish();
        if (namedSetting && !probe.gaveWindowValue()) {
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
