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
// the values the window can hold: any number for a switch (1 is On, anything else Off), a whole
// number within a slider's range (rounded), an exact DirectX level. Any text is accepted: a value the
// window cannot hold changes nothing, and the last command that sets a setting wins.
//
// The text is taken in chunks, in one pass, in memory of a small constant size.
class ConfigReader {
public:
    // The value of the last command that named a setting with a value part.
    struct LastValue {
        QByteArray text; // trimmed, one double quote off each end, at most ConfigCommands::keptValueSize bytes
        bool longer;     // the value was longer than `text`
    };

    explicit ConfigReader(Choices &choices);
    ConfigReader(const ConfigReader &) = delete;
    ConfigReader &operator=(const ConfigReader &) = delete;

    // Feeds the next bytes of the file; a line may run on from one chunk into the next.
    void feed(QByteArrayView bytes) { m_commands.feed(bytes); }
    // The file has ended: the last line needs no line end.
    void finish() { m_commands.finish(); }

    // Per setting, after finish(): the last value given to it, whether the window could hold it or
    // not; nothing when no command named the setting with a value part.
    const std::array<std::optional<LastValue>, Catalogue::settingCount> &lastValues() const { return m_lastValues; }

    // Gives the command's setting the command's value, when the window can hold it.
    static void take(Choices &choices, const ConfigCommands::Command &command);

    // Reads the device to its end.
    void read(QIODevice &device);
    // Reads the file at path. Only an ordinary file is opened: a named pipe would wait for ever for a
    // writer and a device such as /dev/zero never ends. False, with nothing read, for any other path
    // and for a file that cannot be opened.
    bool readFile(const QString &path);

private:
    Choices &m_choices;
    ConfigCommands m_commands;
    std::array<std::optional<LastValue>, Catalogue::settingCount> m_lastValues;
};
