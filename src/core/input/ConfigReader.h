#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

class Choices;
class QIODevice;

// Reads a console config and merges the values of the settings it names into a set of choices. Any text is
// accepted: lines that name no row, or whose value is not a number, change nothing.
//
// The text is taken in chunks, in one pass: a line is kept only as long as it can still matter
// (a name that may be a row's, then a value that may be a number), so binary content or a line
// of many megabytes costs no more memory than a chunk.
class ConfigReader {
public:
    explicit ConfigReader(Choices &choices);

    // Feeds the next bytes of the file; a line may run on from one chunk into the next.
    void feed(QByteArrayView bytes);
    // The file has ended: the last line needs no line end.
    void finish();

    // Told the name part of every line that names a row, whatever its value, before the value is
    // read: lets a writer find the lines this reader takes as a row's without a second set of rules.
    void setNameListener(std::function<void(int setting)> listener) { m_nameListener = std::move(listener); }

    // Reads the device to its end.
    static void read(QIODevice &device, Choices &choices);
    // Reads the file at path. Only an ordinary file is opened: a named pipe would wait for ever for a
    // writer and a device such as /dev/zero never ends. False, with nothing read, for any other path
    // and for a file that cannot be opened.
    static bool readFile(const QString &path, Choices &choices);

private:
    // Where the current line stands.
    enum class Phase { LineStart, Name, Value, PassOver };

    void take(char byte);
    void endLine();
    void startValue();
    void takeValue(char byte);
    void apply(int setting, QStringView value);

    Choices &m_choices;
    std::function<void(int setting)> m_nameListener;

    // A UTF-8 byte-order mark may precede the first line.
    qsizetype m_bomBytesSeen = 0;
    bool m_pastStart = false;

    bool m_afterCr = false;
    Phase m_phase = Phase::LineStart;
    QByteArray m_name;
    int m_setting = 0;
    QString m_value; // the value without its quotes and the blanks around it
    bool m_valueStarted = false;
    bool m_valueClosedWithQuote = false;
    bool m_blankAfterValue = false;
};
