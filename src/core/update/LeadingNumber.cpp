#include "core/update/LeadingNumber.h"

#include <QByteArray>

#include <charconv>
#include <cstdint>
#include <limits>

namespace {

// Reads a text from the front, passing over the characters that never count.
class Reader {
public:
    explicit Reader(QStringView text)
        : m_text(text)
    {
    }

    // The next character that counts, or a null character at the end.
    QChar peek()
    {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : QChar();
    }
    void take() { ++m_pos; }

private:
    static bool isSkipped(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

    QStringView m_text;
    qsizetype m_pos = 0;
};

bool isDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int digitValue(QChar c, int base)
{
    int value = -1;
    if (isDecimalDigit(c))
        value = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c.unicode() - u'A' + 10;
    return value < base ? value : -1;
}

double wholeNumber(Reader &reader, int base)
{
    double value = 0;
    for (int digit; (digit = digitValue(reader.peek(), base)) >= 0; reader.take())
        value = value * base + digit;
    return value;
}

double decimalNumber(Reader &reader)
{
    // Collected as plain ASCII for from_chars, which reads it the same way in every locale.
    QByteArray number;
    QChar c = reader.peek();
    const bool negative = c == u'-';
    if (negative || c == u'+') {
        reader.take();
        if (negative)
            number += '-';
    }

    bool seenPoint = false;
    bool seenNonZero = false;
    int digits = 0;
    std::int64_t wholeDigits = 0;     // integer digits from the first non-zero one
    std::int64_t zerosAfterPoint = 0; // fraction zeros before the first non-zero digit
    for (c = reader.peek();; c = reader.peek()) {
        if (isDecimalDigit(c)) {
            ++digits;
            seenNonZero = seenNonZero || c != u'0';
            if (!seenPoint && seenNonZero)
                ++wholeDigits;
            else if (seenPoint && !seenNonZero)
                ++zerosAfterPoint;
            number += char(c.unicode());
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
            number += '.';
        } else {
            break;
        }
        reader.take();
    }
    if (digits == 0)
        return 0;

    // An exponent marker without digits after it adds nothing.
    std::int64_t exponent = 0;
    if (c == u'e' || c == u'E' || c == u'd' || c == u'D') {
        reader.take();
        c = reader.peek();
        const bool negativeExponent = c == u'-';
        if (negativeExponent || c == u'+')
            reader.take();
        constexpr std::int64_t saturated = std::int64_t(1) << 40; // far beyond any double
        for (c = reader.peek(); isDecimalDigit(c); c = reader.peek()) {
            if (exponent < saturated)
                exponent = exponent * 10 + (c.unicode() - u'0');
            reader.take();
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    number += 'e';
    number += QByteArray::number(qlonglong(exponent));

    double value = 0;
    const auto [end, error] = std::from_chars(number.cbegin(), number.cend(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large reads as an infinity, too small as zero.
        const std::int64_t magnitude = exponent + (wholeDigits > 0 ? wholeDigits : -zerosAfterPoint);
        const double limit = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -limit : limit;
    }
    return value;
}

} // namespace

double leadingNumber(QStringView text)
{
    Reader reader(text);
    if (reader.peek() != u'&')
        return decimalNumber(reader);
    reader.take();
    const QChar radix = reader.peek();
    reader.take();
    if (radix == u'H' || radix == u'h')
        return wholeNumber(reader, 16);
    if (radix == u'O' || radix == u'o')
        return wholeNumber(reader, 8);
    return 0;
}
