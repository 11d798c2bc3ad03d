#include "core/catalogue/DataFileText.h"

#include "core/input/OutsideFile.h"

#include <array>

using namespace Qt::StringLiterals;

namespace DataFileText {
namespace {

// 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> windows1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Every byte becomes one character. The five bytes Windows-1252 leaves undefined become the
// control characters of the same value, as Windows itself decodes them.
QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = (value >= 0x80 && value < 0xA0) ? QChar(windows1252High[value - 0x80]) : QChar(char16_t{value});
    }
    return text;
}

// Collects lines from bytes that may arrive in pieces.
class LineCollector {
public:
    explicit LineCollector(int maxLines)
        : m_maxLines(maxLines)
    {
    }

    // False once a line beyond the limit has begun: nothing more needs reading.
    bool feed(QByteArrayView bytes)
    {
        for (const char byte : bytes) {
            if (byte == '\n' && m_afterCr) {
                m_afterCr = false; // the second half of CR LF
                continue;
            }
            m_afterCr = byte == '\r';
            if (byte == '\r' || byte == '\n')
                endLine();
            else
                startOrExtend(byte);
            if (m_result.moreFollow)
                return false;
        }
        return true;
    }

    Lines finish()
    {
        if (m_lineOpen)
            endLine();
        return std::move(m_result);
    }

private:
    void startOrExtend(char byte)
    {
        if (m_result.lines.size() == m_maxLines) {
            m_result.moreFollow = true;
            return;
        }
        m_current.append(byte);
        m_lineOpen = true;
    }

    void endLine()
    {
        if (m_result.lines.size() == m_maxLines) {
            m_result.moreFollow = true;
            return;
        }
        m_result.lines.append(decode(m_current));
        m_current.clear();
        m_lineOpen = false;
    }

    int m_maxLines;
    QByteArray m_current;
    bool m_lineOpen = false;
    bool m_afterCr = false;
    Lines m_result;
};

} // namespace

Lines splitLines(QByteArrayView bytes, int maxLines)
{
    LineCollector collector(maxLines);
    collector.feed(bytes);
    return collector.finish();
}

Lines readLines(const QString &path, int maxLines)
{
    LineCollector collector(maxLines);
    if (const auto failure = OutsideFile::stream(path, [&](QByteArrayView chunk) { return collector.feed(chunk); })) {
        Lines failed;
        failed.error = failure->why == OutsideFile::Failure::Why::NotOrdinary ? u"it is not an ordinary file"_s
                                                                              : failure->systemText;
        return failed;
    }
    return collector.finish();
}

} // namespace DataFileText
