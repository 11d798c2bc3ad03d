#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <functional>

class QIODevice;
class RowAccess;

// Reads a console config and merges the values of the rows it names into the rows. Any text is
// accepted: lines that name no row, or whose value is not a number, change nothing.
//
// The text is taken in chunks, in one pass: a line is kept only as long as it can still matter
// (a name that may be a row's, then a value that may be a number), so binary content or a line
// of many megabytes costs no more memory than a chunk.
class ConfigReader {
public:
    // The names are looked up in the captions the rows carry now.
    explicit ConfigReader(RowAccess &rows);

    // Feeds the next bytes of the file; a line may run on from one chunk into the next.
    void feed(QByteArrayView bytes);
    // The file has ended: the last line needs no line end.
    void finish();

    // Told the name part of every line that names a row, whatever its value, before the value is
    // read: lets a writer find the lines this reader takes as a row's without a second set of rules.
    void setNameListener(std::function<void(const QString &name)> listener) { m_nameListener = std::move(listener); }

    // Reads the device to its end.
    static void read(QIODevice &device, RowAccess &rows);
    // Reads the file at path. Only an ordinary file is opened: a named pipe would wait for ever for a
    // writer and a device such as /dev/zero never ends. False, with nothing read, for any other path
    // and for a file that cannot be opened.
    static bool readFile(const QString &path, RowAccess &rows);

private:
    enum class Target { ThreeState, Slider, DirectX };
    struct RowRef {
        Target target;
        int index; // row index, slider number, or unused for the DirectX row
    };
    // Where the current line stands.
    enum class Phase { LineStart, Name, Value, PassOver };

    void take(char byte);
    void endLine();
    void startValue();
    void takeValue(char byte);
    void apply(const RowRef &row, QStringView value);

    RowAccess &m_rows;
    QHash<QString, RowRef> m_names;
    qsizetype m_longestName = 0;
    std::function<void(const QString &name)> m_nameListener;

    // A UTF-8 byte-order mark may precede the first line.
    qsizetype m_bomBytesSeen = 0;
    bool m_pastStart = false;

    bool m_afterCr = false;
    Phase m_phase = Phase::LineStart;
    QString m_name;
    RowRef m_row{Target::ThreeState, 0};
    QString m_value; // the value without its quotes and the blanks around it
    bool m_valueStarted = false;
    bool m_valueClosedWithQuote = false;
    bool m_blankAfterValue = false;
};
