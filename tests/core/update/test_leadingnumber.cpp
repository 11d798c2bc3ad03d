#include "core/update/LeadingNumber.h"
#include "support/TestCase.h"

#include <limits>

class TestLeadingNumber : public QObject {
    Q_OBJECT
private slots:
    void readsTheNumberAtTheStart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        const double infinity = std::numeric_limits<double>::infinity();
        // Blanks, tabs and line feeds count nowhere; a carriage return ends the number.
        QTest::newRow("blanks, tabs, line feeds inside") << "\n \t1 \n2.\t5" << 12.5;
        QTest::newRow("blank after sign") << "- 3" << -3.0;
        QTest::newRow("carriage return first") << "\r\n7" << 0.0;
        QTest::newRow("non-breaking space stops") << u"1\u00a02"_s << 1.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("exponent with sign") << "25E-1" << 2.5;
        QTest::newRow("D exponent, blanks inside") << "2 d + 2" << 200.0;
        QTest::newRow("too large") << "-123456789e999999999999999999" << -infinity;
        QTest::newRow("hex") << "&hFf" << 255.0;
        QTest::newRow("hex beyond 32 bits, blanks") << "  &H 1 00000000" << 4294967296.0;
        QTest::newRow("octal stops at 8") << "&o78" << 7.0;
        QTest::newRow("hex without digits") << "&H" << 0.0;
        QTest::newRow("sign before hex") << "-&H10" << 0.0;
        QTest::newRow("error page") << "<html>7</html>" << 0.0;
    }
    void readsTheNumberAtTheStart()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(leadingNumber(text), expected);
    }
};

QTEST_APPLESS_MAIN(TestLeadingNumber)
#include "test_leadingnumber.moc"
