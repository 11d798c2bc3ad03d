#include "catalogue/Catalogue.h"
#include "input/ConfigReader.h"
#include "support/RowChanges.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

// Real players' configs, read as Open reads them.
namespace {

constexpr int dxRow = RowChange::dxRow;

QString corpusPath(const QString &name)
{
    return QStringLiteral(TUNEWICK_CORPUS_DIR) + u'/' + name;
}

std::optional<FakeRows> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    FakeRows rows;
    ConfigReader::read(file, rows);
    return rows;
}

} // namespace

class TestConfigCorpus : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!QDir(QStringLiteral(TUNEWICK_CORPUS_DIR)).exists())
            QSKIP("The folder of collected configs is not there.");
    }

    // Expectations worked out by reading each file line by line.
    void readsWhatEachLineSays_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<RowChanges>("changes");

        // Unquoted values; values followed by a // comment are no number and change nothing;
        // r_propsmaxdist 1 then 0 (last wins, below the range); rate 52800 above it.
        QTest::newRow("09 LF, trailing comments")
            << u"09-css-musosoft-autoexec.cfg"_s
            << RowChanges{{34, 1}, {102, 132}, {20, 0},  {33, 0}, {32, 0}, {3, 0},  {101, 50000}, {25, 1}, {0, 0},
                          {90, 0}, {95, 100},  {4, 1},   {5, 0},  {2, 0},  {19, 0}, {11, 1},      {14, 1}, {15, 1},
                          {17, 1}, {18, 1},    {92, 50}, {23, 1}, {26, 0}, {27, 1}, {29, 0}};
        // Quoted values; "95" is no DirectX level; "0" // ragdolls keeps its closing quote and comment.
        QTest::newRow("11 quoted values") << u"11-css-notwlsn-autoexec.cfg"_s
                                          << RowChanges{{101, 50000}, {99, 66}, {98, 66},   {32, 0}, {3, 0}, {20, 0},
                                                        {19, 1},      {25, 1},  {102, 300}, {33, 0}, {34, 1}};
        const RowChanges desoot{{dxRow, 4}, {102, 1}, {101, 50000}, {32, 0}, {98, 66}, {99, 66}, {20, 0},
                                {29, 0},    {92, 0},  {91, 0},      {3, 0},  {14, 0},  {11, 0},  {17, 0},
                                {12, 1},    {25, 0},  {2, 0},       {5, 0},  {18, 0},  {13, 1},  {16, 1},
                                {23, 0},    {0, 0},   {95, 100},    {1, 0},  {6, 0},   {15, 0},  {22, 0}};
        QTest::newRow("18 unquoted, LF") << u"18-tf2-desoot-fps-autoexec.cfg"_s << desoot;
        QTest::newRow("18 unquoted, CR LF") << u"crlf/18-tf2-desoot-fps-autoexec.cfg"_s << desoot;
        // Names padded to a column before a quoted value: the value part starts with blanks, so its
        // opening quote stays and no line is a number.
        QTest::newRow("05 padded columns") << u"crlf/05-css-mon-alcatraz-fps.cfg"_s << RowChanges{};
        QTest::newRow("06 padded and tab columns") << u"crlf/06-css-mon-fps-ultralow.cfg"_s << RowChanges{};
    }

    void readsWhatEachLineSays()
    {
        QFETCH(QString, file);
        QFETCH(RowChanges, changes);
        const std::optional<FakeRows> rows = readFile(corpusPath(file));
        QVERIFY(rows);
        QStringList actual = changedRows(*rows);
        QStringList expected = changedRows(rowsWith(changes));
        actual.sort();
        expected.sort();
        QCOMPARE(actual, expected);
    }

    // For every file: rows that no line begins with are left alone, and the CR LF copy reads the same.
    void changesOnlyRowsTheFileNames_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files = QDir(QStringLiteral(TUNEWICK_CORPUS_DIR)).entryList({u"*.cfg"_s}, QDir::Files);
        QVERIFY(files.size() >= 20);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << file;
    }

    void changesOnlyRowsTheFileNames()
    {
        QFETCH(QString, file);
        const std::optional<FakeRows> rows = readFile(corpusPath(file));
        QVERIFY(rows);
        QFile text(corpusPath(file));
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QString content = QString::fromLatin1(text.readAll());
        const QRegularExpression lineStarts(u"(?:^|[\r\n])([^ \r\n]*) "_s);
        QSet<QString> named;
        for (const QRegularExpressionMatch &match : lineStarts.globalMatch(content))
            named.insert(match.captured(1));
        for (const QString &change : changedRows(*rows)) {
            const QString name = change.section(u'=', 0, 0);
            QVERIFY2(named.contains(name), qPrintable(name));
        }

        const QString crlf = corpusPath(u"crlf/"_s + file);
        if (QFile::exists(crlf)) {
            const std::optional<FakeRows> again = readFile(crlf);
            QVERIFY(again);
            QCOMPARE(changedRows(*again), changedRows(*rows));
        }
    }
};

QTEST_GUILESS_MAIN(TestConfigCorpus)
#include "test_configcorpus.moc"
