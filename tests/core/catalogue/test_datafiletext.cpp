#include "core/catalogue/DataFileText.h"
#include "support/Files.h"
#include "support/TestCase.h"

class TestDataFileText : public QObject {
    Q_OBJECT
private slots:
    // The same from bytes and from a file, which is read in pieces: a CR LF that straddles two of them
    // is still one line end.
    void splitLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("lines"); // joined by "|"; as many as are taken
        QTest::addColumn<bool>("moreFollow");
        QTest::newRow("LF then CR are two ends") << "a\n\rb"_ba << u"a||b"_s << false;
        QTest::newRow("CR LF, CR alone") << "\r\n\r\nx\r"_ba << u"||x"_s << false;
        QTest::newRow("as many lines as taken") << "a\r\nb\r\n"_ba << u"a|b"_s << false;
        QTest::newRow("an empty line more") << "a\rb\r\n\r\n"_ba << u"a|b"_s << true;
        QTest::newRow("a line more") << "a\nb\nc"_ba << u"a|b"_s << true;
        QTest::newRow("CR LF across pieces")
            << QByteArray(4095, 'x') + "\r\ny" << QString(4095, u'x') + u"|y"_s << false;
        // Every byte is one character, the ones the code page leaves undefined too.
        QTest::newRow("Windows-1252") << "\x80\x81\x82\xA0\xE9"_ba << u"\u20AC\u0081\u201A\u00A0\u00E9"_s << false;
    }
    void splitLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, lines);
        QFETCH(bool, moreFollow);
        const int taken = lines.isEmpty() ? 0 : int(lines.count(u'|')) + 1;
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(u"data.cst"_s), bytes));
        for (const DataFileText::Lines &split :
             {DataFileText::splitLines(bytes, taken), DataFileText::readLines(dir.filePath(u"data.cst"_s), taken)}) {
            QCOMPARE(split.lines.join(u'|'), lines);
            QCOMPARE(split.moreFollow, moreFollow);
        }
    }
};

QTEST_APPLESS_MAIN(TestDataFileText)
#include "test_datafiletext.moc"
