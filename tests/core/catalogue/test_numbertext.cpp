#include "core/catalogue/NumberText.h"
#include "support/TestCase.h"

using Whole32 = std::optional<qint32>;
using Whole16 = std::optional<qint16>;

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void wholeNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Whole32>("whole32");
        QTest::addColumn<Whole16>("whole16");
        // Blanks around, a sign, digits with at most one point, an exponent; halves round to even.
        const QStringList numbers{u"  42\t"_s,  u"+5"_s,      u"2.6"_s,        u"2.5"_s,        u"3.5"_s,   u"-0.5"_s,
                                  u".9"_s,      u"9."_s,      u"1e3"_s,        u"25E-1"_s,      u"32767"_s, u"-32768"_s,
                                  u"32766.5"_s, u"32767.5"_s, u"2147483647"_s, u"-2147483648"_s};
        const QList<qint64> values{42,   5, 3,     2,      4,     0,     1,          9,
                                   1000, 2, 32767, -32768, 32766, 32768, 2147483647, -2147483648LL};
        for (int i = 0; i < numbers.size(); ++i) {
            const bool fits16 = values[i] >= -32768 && values[i] <= 32767;
            QTest::newRow(qPrintable(numbers[i]))
                << numbers[i] << Whole32(qint32(values[i])) << (fits16 ? Whole16(qint16(values[i])) : Whole16());
        }
        for (const char *text : {"2147483648", "1e999", "", "   ", "-", ".", "1.2.3", "1,5", "on", "300 // comment",
                                 "3 00", "1e", "0x10", "+-1", "nan", "inf"})
            QTest::newRow(text) << QString::fromLatin1(text) << Whole32() << Whole16();
    }
    void wholeNumbers()
    {
        QFETCH(QString, text);
        QFETCH(Whole32, whole32);
        QFETCH(Whole16, whole16);
        QCOMPARE(NumberText::toWhole32(text), whole32);
        QCOMPARE(NumberText::toWhole16(text), whole16);
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "test_numbertext.moc"
