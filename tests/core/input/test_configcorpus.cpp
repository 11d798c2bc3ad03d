#include "core/input/ConfigReader.h"
#include "support/FakeRows.h"
#include "support/RowChanges.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

// Real players' configs, read as Open reads them.
class TestConfigCorpus : public QObject {
    Q_OBJECT

    const QDir corpus{QStringLiteral(TUNEWICK_CORPUS_DIR)};

    QStringList read(const QString &file) const
    {
        FakeRows rows;
        return ConfigReader::readFile(corpus.filePath(file), rows) ? changedRows(rows) : QStringList{u"(unread)"_s};
    }

private slots:
    void initTestCase()
    {
        if (!corpus.exists())
            QSKIP("The folder of collected configs is not there.");
    }

    void readsEveryFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("rows"); // worked out by reading the file line by line; "?": not worked out
        const QHash<QString, QString> workedOut{
            // Quoted values: "95" is no DirectX level, rate "128000" and fps_max "999" end at the top of
            // their ranges, and a quoted value followed by a comment is no number.
            {u"11-css-notwlsn-autoexec.cfg"_s,
             u"cl_smooth=Off mat_antialias=On mat_vsync=Off r_shadows=On cl_interp=Off cl_showfps=Off con_enable=On "
             "cl_updaterate=66 cl_cmdrate=66 rate=50000"_s},
            // Values padded to a column with spaces or tabs, some with blanks after the closing quote:
            // the blanks are not part of the value. r_propsmaxdist "0" ends at the bottom of its range;
            // fps_max "300" and rate "25000" equal the sliders' first positions.
            {u"05-css-mon-alcatraz-fps.cfg"_s,
             u"cl_phys_props_enable=Off cl_c4dynamiclight=On mat_bumpmap=Off mat_filterlightmaps=On "
             "mat_filtertextures=On mat_specular=Off r_drawmodeldecals=On r_fastzreject=Off r_decals=50"_s},
        };
        const QStringList files = corpus.entryList({u"*.cfg"_s}, QDir::Files);
        QVERIFY(files.size() >= 20);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << file << workedOut.value(file, u"?"_s);
    }

    // Only rows some line starts with change; the CR LF copy reads the same.
    void readsEveryFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, rows);
        QFile text(corpus.filePath(file));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QSet<QString> named;
        const QRegularExpression lineStart(u"(?:^|[\r\n])([^ \r\n]*) "_s);
        for (const QRegularExpressionMatch &match : lineStart.globalMatch(QString::fromLatin1(text.readAll())))
            named.insert(match.captured(1));
        const QStringList changed = read(file);
        for (const QString &row : changed)
            QVERIFY2(named.contains(row.section(u'=', 0, 0)), qPrintable(row));
        if (corpus.exists(u"crlf/"_s + file))
            QCOMPARE(read(u"crlf/"_s + file), changed);
        if (rows != u"?"_s)
            QCOMPARE(changed.join(u' '), rows);
    }
};

QTEST_GUILESS_MAIN(TestConfigCorpus)
#include "test_configcorpus.moc"
