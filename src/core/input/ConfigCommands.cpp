#include "core/input/ConfigCommands.h"

#include <algorithm>

namespace {

constexpr char byteOrderMark[] = {'\xEF', '\xBB', '\xBF'};
constexpr qsizetype byteOrderMarkSize = sizeof(byteOrderMark);

bool isBlank(char byte)
{
    return byte == ' ' || byte == '\t';
}

} // namespace

ConfigCommands::ConfigCommands(std::function<void(const Command &)> onCommand)
    : m_onCommand(std::move(onCommand))
{
}

void ConfigCommands::feed(QByteArrayView bytes)
{
    for (const char byte : bytes) {
        const qint64 offset = m_offset++;
        if (m_pastStart) {
            take(byte, offset);
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
            take(byteOrderMark[i], i);
        take(byte, offset);
    }
}

void ConfigCommands::finish()
{
    if (!m_pastStart) {
        m_pastStart = true;
        for (qsizetype i = 0; i < m_bomBytesSeen; ++i)
            take(byteOrderMark[i], i);
    }
    endLine();
}

void ConfigCommands::take(char byte, qint64 offset)
{
    if (byte == '\r' || byte == '\n') {
        endLine();
        return;
    }
    if (m_comment)
        return;
    if (m_slashPending) {
        m_slashPending = false;
        if (byte == '/') {
            endCommand();
            m_comment = true;
            return;
        }
        takeInCommand('/', m_slashOffset);
    }
    if (!m_quoted && byte == '/') {
        m_slashPending = true;
        m_slashOffset = offset;
        return;
    }
    if (!m_quoted && byte == ';') {
        endCommand();
        return;
    }
    if (byte == '"')
        m_quoted = !m_quoted;
    takeInCommand(byte, offset);
}

void ConfigCommands::takeInCommand(char byte, qint64 offset)
{
    switch (m_phase) {
    case Phase::BeforeName:
        if (isBlank(byte))
            return;
        m_phase = Phase::Name;
        [[fallthrough]];
    case Phase::Name:
        if (isBlank(byte)) {
            const auto found = Catalogue::findSetting(std::string_view(m_name.data(), m_nameSize));
            m_phase = found ? Phase::BeforeValue : Phase::PassOver;
            m_setting = found.value_or(m_setting);
        } else if (m_nameSize == qsizetype(m_name.size())) {
            m_phase = Phase::PassOver; // longer than any setting's name
        } else {
            m_name[m_nameSize++] = byte;
        }
        return;
    case Phase::BeforeValue:
        if (isBlank(byte))
            return;
        m_phase = Phase::Value;
        m_valueBegin = offset;
        [[fallthrough]];
    case Phase::Value:
        // A command's bytes follow each other in the stream, so a byte's place in the value is its
        // distance from the value's first byte.
        if (offset - m_valueBegin < qint64(m_value.size()))
            m_value[offset - m_valueBegin] = byte;
        if (!isBlank(byte))
            m_valueEnd = offset + 1;
        return;
    case Phase::PassOver:
        return;
    }
}

void ConfigCommands::endCommand()
{
    if (m_phase == Phase::Value) {
        const qint64 size = m_valueEnd - m_valueBegin;
        const bool opened = m_value[0] == '"';
        // A closing quote can only be told when the whole value is kept; a longer one is cut anyway.
        const bool closed = size > 1 && size <= qint64(m_value.size()) && m_value[size - 1] == '"';
        const qint64 textSize = size - qint64(opened) - qint64(closed);
        const QByteArrayView text(m_value.data() + qsizetype(opened), std::min(textSize, qint64(keptValueSize)));
        m_onCommand({m_setting, text, textSize > keptValueSize, m_valueBegin, m_valueEnd, opened});
    }
    m_phase = Phase::BeforeName;
    m_nameSize = 0;
}

void ConfigCommands::endLine()
{
    if (m_slashPending) {
        m_slashPending = false;
        takeInCommand('/', m_slashOffset);
    }
    endCommand();
    m_quoted = false;
    m_comment = false;
}
