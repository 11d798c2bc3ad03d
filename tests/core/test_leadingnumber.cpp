#include "update/LeadingNumber.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestLeadingNumber : public QObject {
    Q_OBJECT
private slots:
    void readsTheNumberAtTheStart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        const double infinity = std::numeric_limits<double>::infinity();
        // Published version documents.
        QTest::newRow("6") << "6" << 6.0;
        QTest::newRow("5") << "5" << 5.0;
        QTest::newRow("1.6") << "1.6" << 1.6;
        QTest::newRow("0") << "0" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("7") << "7" << 7.0;
        QTest::newRow("6.5") << "6.5" << 6.5;
        QTest::newRow("two blanks then 7") << "  7" << 7.0;
        QTest::newRow("7 CR LF") << "7\r\n" << 7.0;
        // Blanks, tabs and line feeds count nowhere; a carriage return ends the number.
        QTest::newRow("blank between digits") << "1 2" << 12.0;
        QTest::newRow("tab and line feed inside") << "\t1\n2.\t5" << 12.5;
        QTest::newRow("line feed first") << "\n\n8" << 8.0;
        QTest::newRow("blank after sign") << "- 3" << -3.0;
        QTest::newRow("carriage return first") << "\r\n7" << 0.0;
        QTest::newRow("carriage return between digits") << "1\r2" << 1.0;
        QTest::newRow("non-breaking space stops") << u"1\u00a02"_s << 1.0;
        // Sign, point and exponent.
        QTest::newRow("plus") << "+4" << 4.0;
        QTest::newRow("minus") << "-4.25" << -4.25;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("trailing point") << "9." << 9.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("comma stops whatever the locale") << "1,5" << 1.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("capital exponent with sign") << "25E-1" << 2.5;
        QTest::newRow("D exponent") << "2d2" << 200.0;
        QTest::newRow("blanks inside the exponent") << "1 e + 2" << 100.0;
        QTest::newRow("exponent without digits") << "7e" << 7.0;
        QTest::newRow("exponent sign without digits") << "7e-x" << 7.0;
        QTest::newRow("point in the exponent stops") << "1e2.5" << 100.0;
        QTest::newRow("many digits") << "000000000000000000000000000007.000000000000000000000000001" << 7.0;
        QTest::newRow("too large") << "1e400" << infinity;
        QTest::newRow("too large negative") << "-123456789e999999999999999999" << -infinity;
        QTest::newRow("too small") << "0.0001e-400" << 0.0;
        // Hexadecimal and octal whole numbers.
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("hex lower case") << "&hff" << 255.0;
        QTest::newRow("hex beyond 32 bits") << "&H100000000" << 4294967296.0;
        QTest::newRow("hex after blanks") << "  &H 1 0" << 16.0;
        QTest::newRow("hex stops at a point") << "&H10.5" << 16.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&o78" << 7.0;
        QTest::newRow("hex without digits") << "&H" << 0.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("other radix letter") << "&B101" << 0.0;
        QTest::newRow("sign before hex") << "-&H10" << 0.0;
        // No number at the start.
        QTest::newRow("word") << "version 7" << 0.0;
        QTest::newRow("error page") << "<html>7</html>" << 0.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("point only") << "." << 0.0;
        QTest::newRow("double sign") << "+-1" << 0.0;
        QTest::newRow("C hex") << "0x10" << 0.0;
        QTest::newRow("blanks only") << " \t\n" << 0.0;
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
