#pragma once

#include "core/catalogue/Catalogue.h"
#include "core/input/ConfigCommands.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

class Choices;
class QIODevice;

// Reads a console config as the game's console does (ConfigCommands) and merges into a set of choices
// the values the window can hold, as ValueRule reads them. Any text is accepted: a value the window
// cannot hold changes nothing, and the last command that sets a setting wins.
//
// The text is taken in chunks, in one pass, in memory of a small constant size.
class ConfigReader {
public:
    // The value of the last command that named a setting with a value part.
    struct LastValue {
        QByteArray text; // trimmed, one double quote off each end, at most ConfigCommands::keptValueSize bytes
        bool longer;     // the value was longer than `text`
        bool exact;      // the window shows exactly this value
    };
    using LastValues = std::array<std::optional<LastValue>, Catalogue::settingCount>;

    explicit ConfigReader(Choices &choices);
    ConfigReader(const ConfigReader &) = delete;
    ConfigReader &operator=(const ConfigReader &) = delete;

    // Feeds the next bytes of the file; a line may run on from one chunk into the next.
    void feed(QByteArrayView bytes) { m_commands.feed(bytes); }
    // The file has ended: the last line needs no line end.
    void finish() { m_commands.finish(); }

    // Per setting, after finish(): the last value given to it, whether the window could hold it or
    // not; nothing when no command named the setting with a value part.
    const LastValues &lastValues() const { return m_lastValues; }

    // Reads the file at path to its end, streaming it; false, with nothing read, when it is no
    // ordinary file or cannot be opened.
    bool readFile(const QString &path);

private:
    Choices &m_choices;
    ConfigCommands m_commands;
    LastValues m_lastValues;
};
