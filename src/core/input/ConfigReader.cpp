#include "core/input/ConfigReader.h"

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/NumberText.h"
#include "core/catalogue/Choices.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <cmath>

namespace {

constexpr char byteOrderMark[] = {'\xEF', '\xBB', '\xBF'};
constexpr qsizetype byteOrderMarkSize = sizeof(byteOrderMark);
constexpr qint64 chunkSize = qint64{64} * 1024;

// Every character a number can hold besides the blanks around it (sign, digits, point, exponent).
// A value with any other character is not a number, so the line can be passed over unkept.
bool canBeInNumber(char byte)
{
    return (byte >= '0' && byte <= '9') || byte == '.' || byte == '+' || byte == '-' || byte == 'e' || byte == 'E';
}

} // namespace

ConfigReader::ConfigReader(Choices &choices)
    : m_choices(choices)
{
}

void ConfigReader::read(QIODevice &device, Choices &choices)
{
    ConfigReader reader(choices);
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = device.read(chunk.data(), chunk.size());
        if (got <= 0)
            break;
        reader.feed(QByteArrayView(chunk.constData(), got));
    }
    reader.finish();
}

bool ConfigReader::readFile(const QString &path, Choices &choices)
{
    // Checked before opening: opening a pipe already blocks.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    read(file, choices);
    return true;
}

void ConfigReader::feed(QByteArrayView bytes)
{
    for (const char byte : bytes) {
        if (m_pastStart) {
            take(byte);
            continue;
        }
        if (byte == byteOrderMark[m_bomBytesSeen]) {
            if (++m_bomBytesSeen == byteOrderMarkSize)
                m_pastStart = true;
            continue;
        }
        // Not a byte-order mark after all: what looked like its start is text.
        m_pastStart = true;
        for (qsizetype i = 0; i < m_bomBytesSeen; ++i)
            take(byteOrderMark[i]);
        take(byte);
    }
}

void ConfigReader::finish()
{
    if (!m_pastStart) {
        m_pastStart = true;
        for (qsizetype i = 0; i < m_bomBytesSeen; ++i)
            take(byteOrderMark[i]);
    }
    endLine();
    m_afterCr = false;
}

void ConfigReader::take(char byte)
{
    // CR LF, LF alone and CR alone all end a line.
    if (byte == '\r') {
        endLine();
        m_afterCr = true;
        return;
    }
    if (byte == '\n') {
        if (!m_afterCr)
            endLine();
        m_afterCr = false;
        return;
    }
    m_afterCr = false;

    switch (m_phase) {
    case Phase::LineStart:
        // Comment lines, the config's own banner among them.
        if (byte == '/') {
            m_phase = Phase::PassOver;
            return;
        }
        m_phase = Phase::Name;
        [[fallthrough]];
    case Phase::Name:
        if (byte == ' ') {
            startValue();
        } else if (m_name.size() >= Catalogue::longestNameSize) {
            m_phase = Phase::PassOver; // longer than any setting's name
        } else {
            m_name.append(byte);
        }
        return;
    case Phase::Value:
        takeValue(byte);
        return;
    case Phase::PassOver:
        return;
    }
}

void ConfigReader::startValue()
{
    const std::optional<int> found = Catalogue::findSetting(std::string_view(m_name.constData(), m_name.size()));
    if (!found) {
        m_phase = Phase::PassOver;
        return;
    }
    if (m_nameListener)
        m_nameListener(*found);
    m_setting = *found;
    m_phase = Phase::Value;
}

void ConfigReader::takeValue(char byte)
{
    // Blanks at either end of the value part are not part of it, as the game reads it: players
    // align their values in columns and leave blanks after a closing quote.
    const bool blank = byte == ' ' || byte == '\t';
    if (blank && !m_valueStarted)
        return;
    // One quote is removed at each end of the value; anything but blanks after a closing quote,
    // or a quote inside, leaves text that is not a number.
    const bool first = !m_valueStarted;
    m_valueStarted = true;
    if (m_valueClosedWithQuote) {
        if (!blank)
            m_phase = Phase::PassOver;
        return;
    }
    if (byte == '"') {
        // An opening quote is simply dropped; any later one can only be the closing quote.
        m_valueClosedWithQuote = !first;
    } else if (blank) {
        // Blanks around a number do not count, so only the number itself is kept.
        m_blankAfterValue = !m_value.isEmpty();
    } else if (canBeInNumber(byte) && !m_blankAfterValue) {
        m_value.append(QLatin1Char(byte));
    } else {
        m_phase = Phase::PassOver; // not a number, or blanks inside one
    }
}

void ConfigReader::endLine()
{
    if (m_phase == Phase::Value)
        apply(m_setting, m_value);
    m_phase = Phase::LineStart;
    // Emptied, not cleared: the buffers are kept for the next line instead of freed and grown again.
    m_name.resize(0);
    m_value.resize(0);
    m_valueStarted = false;
    m_valueClosedWithQuote = false;
    m_blankAfterValue = false;
}

void ConfigReader::apply(int setting, QStringView value)
{
    switch (Catalogue::setting(setting).kind) {
    case Catalogue::Kind::ThreeState:
        // Only the value 1 means On; a value that is not a number leaves the switch as it is.
        if (const std::optional<double> number = NumberText::parseNumber(value))
            m_choices.setSwitch(setting, *number == 1.0 ? SwitchState::On : SwitchState::Off);
        return;
    case Catalogue::Kind::Slider:
        if (const std::optional<std::int32_t> whole = NumberText::toWhole32(value))
            m_choices.setSliderValue(setting, *whole);
        return;
    case Catalogue::Kind::DirectX:
        // Only an exact level counts: 80.5 selects nothing.
        if (const std::optional<double> number = NumberText::parseNumber(value);
            number && *number == std::trunc(*number) && std::abs(*number) <= Catalogue::dxLevels.back()) {
            if (const std::optional<int> member = Catalogue::dxMemberForLevel(static_cast<int>(*number)))
                m_choices.setDxMember(*member);
        }
        return;
    }
}
