#pragma once

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/ValueRule.h"

#include <QByteArrayView>

#include <array>
#include <functional>

// Splits a console config into commands as the game's console does, and tells which of them set a
// setting of the catalogue. Open reads values with it and Update finds the text to edit with it, so
// both follow one rule:
//
// - CR LF, LF alone and CR alone end a line; a UTF-8 byte-order mark may precede the first line.
// - Outside double quotes, ";" ends a command and "//" starts a comment that runs to the end of the
//   line. A quote never closed runs to the end of the line, comment marks included.
// - Blanks (spaces, tabs) before the name are skipped; the name ends at the first blank. Letter case
//   does not count.
// - The value part is what follows the name and its blanks, trimmed of blanks at both ends. A
//   command without one sets nothing and is not reported.
//
// The bytes are taken in chunks, in one pass, and only a name and the start of a value are kept, so
// neither binary content nor a line of many megabytes costs more than a few bytes of memory.
class ConfigCommands {
public:
    // Longer values are never numbers; only their start is kept.
    static constexpr qsizetype keptValueSize = ValueRule::longestNumber;

    // A command that names a setting of the catalogue and has a value part.
    struct Command {
        Catalogue::SettingId setting;
        QByteArrayView value; // one double quote off each end; at most keptValueSize bytes
        bool longer;          // the value was longer than keptValueSize bytes; `value` is its start
        qint64 begin;         // the value part in the stream, quotes included: its first byte,
        qint64 end;           // and one past its last
        bool quoted;          // the value part begins with a double quote
    };

    // `onCommand` is told each such command when it ends; `value` is valid only during the call.
    explicit ConfigCommands(std::function<void(const Command &)> onCommand);

    // Feeds the next bytes; a line may run on from one chunk into the next.
    void feed(QByteArrayView bytes);
    // The stream has ended: the last line needs no line end.
    void finish();

private:
    // Where the current command stands.
    enum class Phase { BeforeName, Name, BeforeValue, Value, PassOver };

    void take(char byte, qint64 offset);
    void takeInCommand(char byte, qint64 offset);
    void endCommand();
    void endLine();

    std::function<void(const Command &)> m_onCommand;
    qint64 m_offset = 0; // of the next byte fed

    qsizetype m_bomBytesSeen = 0;
    bool m_pastStart = false;

    bool m_quoted = false;
    bool m_comment = false;
    bool m_slashPending = false; // a "/" outside quotes that may start a comment
    qint64 m_slashOffset = 0;

    Phase m_phase = Phase::BeforeName;
    std::array<char, Catalogue::longestNameSize> m_name{};
    qsizetype m_nameSize = 0;
    Catalogue::SettingId m_setting{0};
    // The value part's first bytes: enough for keptValueSize bytes between two quotes.
    std::array<char, keptValueSize + 2> m_value{};
    qint64 m_valueBegin = 0;
    qint64 m_valueEnd = 0;
};
