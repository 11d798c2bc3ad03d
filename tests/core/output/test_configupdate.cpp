#include "core/catalogue/CatalogueText.h"
#include "core/output/ConfigText.h"
#include "core/output/ConfigUpdate.h"
#include "support/ChoicesText.h"
#include "support/Files.h"
#include "support/TestCase.h"
#include "support/UpdatePromises.h"

namespace {

// The window of the table: cl_interp On, cl_showfps Off, rate at the top of its range, DirectX 8.1, and
// mp_decals and fov set where they start. No other setting was set, so no other is written.
Choices window()
{
    return openedConfig("cl_interp 1\ncl_showfps 0\nmp_decals 200\nrate 50000\nfov 75\nmat_dxlevel 81");
}

// What saving that window over another file writes.
QList<SettingLine> written()
{
    return settingLinesSetInWindow(window());
}

// That window's settings, each followed by `end`, but for those the file names.
QByteArray added(const QByteArray &end, const QStringList &named)
{
    QByteArray lines;
    for (const SettingLine &setting : written()) {
        if (!named.contains(toQString(Catalogue::setting(setting.setting).name)))
            lines += setting.text() + end;
    }
    return lines;
}

} // namespace

class TestConfigUpdate : public QObject {
    Q_OBJECT
private slots:
    void changesOnlyTheWrittenSettings_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray asWindow =
            "cl_showfps \"0\"\nfov   75 \ncl_showfps 2\nrate 5e4\ncl_interp 1.0\nmat_dxlevel 81.0\n";

        QTest::newRow("empty file") << ""_ba << added("\r\n", {});
        QTest::newRow("CR, the first line end counts") << "a\rb\r\n"_ba
                                                       << "a\rb\r\n"_ba + added("\r", {});
        QTest::newRow("byte-order mark, CR LF") << "\357\273\277cl_showfps 1\r\n"_ba
                                                << "\357\273\277cl_showfps 0\r\n"_ba + added("\r\n", {u"cl_showfps"_s});
        QTest::newRow("only the last of duplicates, which a tab or leading blanks do not hide")
            << "cl_showfps 1\ncl_showfps\t0\n cl_showfps 1\n"_ba
            << "cl_showfps 1\ncl_showfps\t0\n cl_showfps 0\n"_ba + added("\n", {u"cl_showfps"_s});
        QTest::newRow("already the window's values: quoted, padded, 2 for Off, an exponent")
            << asWindow
            << asWindow + added("\n", {u"cl_showfps"_s, u"fov"_s, u"rate"_s, u"cl_interp"_s, u"mat_dxlevel"_s});
        QTest::newRow("only the value changes: spelling, quotes, blanks, comments, other commands, no line end")
            << "FOV  \"90\"  // wide\nfps_max 300; \tCl_ShowFps 1 ;// x\nmp_decals 30 // cap"_ba
            << "FOV  \"75\"  // wide\nfps_max 300; \tCl_ShowFps 0 ;// x\nmp_decals 200 // cap\n"_ba
                   + added("\n", {u"fov"_s, u"cl_showfps"_s, u"fps_max"_s, u"mp_decals"_s});
        QTest::newRow("an unclosed quote is closed, a value out of range rewritten")
            << "fov \"90 // x\nrate \"128000\"\n"_ba
            << "fov \"75\"\nrate \"50000\"\n"_ba + added("\n", {u"fov"_s, u"rate"_s});
    }
    void changesOnlyTheWrittenSettings()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QByteArray, expected);
        const ConfigUpdate::Updated updated = ConfigUpdate::update(existing, written());
        QCOMPARE(updated.bytes, expected);
        QCOMPARE(brokenUpdatePromise(existing, updated, written()), QString()); // the check itself, proved
    }

    // The lines Update changes, before and after, several edits on one line at once (the edits themselves
    // are checked with every update, by brokenUpdatePromise).
    void listsTheLinesItChanges()
    {
        const QByteArray existing = "FOV \"90\" // wide\r\nfps_max 1; cl_showfps 1; cl_interp 0 // x\r\nrate 50000";
        QStringList lines;
        for (const auto &[before, after] :
             ConfigUpdate::changedLines(existing, ConfigUpdate::update(existing, written()).edits))
            lines << QString::fromLatin1(before + " > " + after);
        QCOMPARE(
            lines,
            (QStringList{u"FOV \"90\" // wide > FOV \"75\" // wide"_s,
                         u"fps_max 1; cl_showfps 1; cl_interp 0 // x > fps_max 1; cl_showfps 0; cl_interp 1 // x"_s}));
    }

    // Real players' configs, updated from a fresh window and from one with choices made.
    void keepsPlayersConfigs_data()
    {
        QTest::addColumn<QString>("file");
        const QDir corpus(QStringLiteral(TUNEWICK_CORPUS_DIR));
        if (!corpus.exists())
            QSKIP("The folder of collected configs is not there.");
        for (const QString &folder : {u"."_s, u"crlf"_s}) {
            for (const QString &file : QDir(corpus.filePath(folder)).entryList({u"*.cfg"_s}, QDir::Files))
                QTest::newRow(qPrintable(folder + u'/' + file)) << corpus.filePath(folder + u'/' + file);
        }
    }
    void keepsPlayersConfigs()
    {
        QFETCH(QString, file);
        const ConfigUpdate::Existing existing = ConfigUpdate::readExisting(file);
        QVERIFY(existing.canUpdate());
        // A fresh window writes nothing; one with choices made keeps every promise.
        QVERIFY(ConfigUpdate::update(existing.bytes, {}).changesNothing());
        const ConfigUpdate::Updated updated = ConfigUpdate::update(existing.bytes, written());
        QCOMPARE(brokenUpdatePromise(existing.bytes, updated, written()), QString());
        QVERIFY(ConfigUpdate::update(updated.bytes, written()).changesNothing()); // a second save changes nothing

        // Opened, one slider moved, updated: the file changes exactly as if only that slider were set.
        Choices opened = openedConfig(existing.bytes), onlyFov;
        const Catalogue::SettingId fov = named("fov");
        opened.setSliderValue(fov, opened.sliderValue(fov) == 90 ? 100 : 90);
        onlyFov.setSliderValue(fov, opened.sliderValue(fov));
        QCOMPARE(ConfigUpdate::update(existing.bytes, settingLinesSetInWindow(opened)).bytes,
                 ConfigUpdate::update(existing.bytes, settingLinesSetInWindow(onlyFov)).bytes);
    }

    // Larger files and binary ones are only replaced.
    void updatesOnlyTextFilesUpTo16MB()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"autoexec.cfg"_s);
        for (const QByteArray &bytes : {QByteArray(ConfigUpdate::maxFileSize, ' '), "fov 90\0"_ba,
                                        QByteArray(ConfigUpdate::maxFileSize + 1, ' ')}) {
            QVERIFY(writeFile(path, bytes));
            const ConfigUpdate::Existing existing = ConfigUpdate::readExisting(path);
            QCOMPARE(existing.canUpdate(), bytes.size() == ConfigUpdate::maxFileSize);
            QCOMPARE(existing.bytes, existing.canUpdate() ? bytes : QByteArray());
            QCOMPARE(existing.binary, bytes.contains('\0'));
        }
    }
};

QTEST_GUILESS_MAIN(TestConfigUpdate)
#include "test_configupdate.moc"
