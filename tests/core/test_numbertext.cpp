#include "catalogue/NumberText.h"

#include <QTest>

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void toWhole32_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint32>>("expected");
        const std::optional<qint32> none;
        QTest::newRow("plain") << "300" << std::optional<qint32>(300);
        QTest::newRow("blanks around") << "  42 " << std::optional<qint32>(42);
        QTest::newRow("tab around") << "\t7" << std::optional<qint32>(7);
        QTest::newRow("plus sign") << "+5" << std::optional<qint32>(5);
        QTest::newRow("negative") << "-12" << std::optional<qint32>(-12);
        QTest::newRow("fraction rounds") << "2.6" << std::optional<qint32>(3);
        QTest::newRow("half to even down") << "2.5" << std::optional<qint32>(2);
        QTest::newRow("half to even up") << "3.5" << std::optional<qint32>(4);
        QTest::newRow("negative half") << "-0.5" << std::optional<qint32>(0);
        QTest::newRow("leading point") << ".9" << std::optional<qint32>(1);
        QTest::newRow("trailing point") << "9." << std::optional<qint32>(9);
        QTest::newRow("exponent") << "1e3" << std::optional<qint32>(1000);
        QTest::newRow("exponent sign") << "25E-1" << std::optional<qint32>(2);
        QTest::newRow("largest") << "2147483647" << std::optional<qint32>(2147483647);
        QTest::newRow("smallest") << "-2147483648" << std::optional<qint32>(-2147483647 - 1);
        QTest::newRow("too large") << "2147483648" << none;
        QTest::newRow("huge exponent") << "1e999" << none;
        QTest::newRow("empty") << "" << none;
        QTest::newRow("blanks only") << "   " << none;
        QTest::newRow("sign only") << "-" << none;
        QTest::newRow("point only") << "." << none;
        QTest::newRow("two points") << "1.2.3" << none;
        QTest::newRow("comma decimal") << "1,5" << none;
        QTest::newRow("word") << "on" << none;
        QTest::newRow("trailing comment") << "300 // comment" << none;
        QTest::newRow("inner blank") << "3 00" << none;
        QTest::newRow("exponent without digits") << "1e" << none;
        QTest::newRow("hex") << "0x10" << none;
        QTest::newRow("double sign") << "+-1" << none;
        QTest::newRow("nan") << "nan" << none;
        QTest::newRow("inf") << "inf" << none;
    }
    void toWhole32()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<qint32>, expected);
        QCOMPARE(NumberText::toWhole32(text), expected);
    }

    void toWhole16_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint16>>("expected");
        QTest::newRow("max") << "32767" << std::optional<qint16>(32767);
        QTest::newRow("min") << "-32768" << std::optional<qint16>(-32768);
        QTest::newRow("over") << "32768" << std::optional<qint16>();
        QTest::newRow("rounds into range") << "32766.5" << std::optional<qint16>(32766);
        QTest::newRow("rounds out of range") << "32767.5" << std::optional<qint16>();
    }
    void toWhole16()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<qint16>, expected);
        QCOMPARE(NumberText::toWhole16(text), expected);
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "test_numbertext.moc"
