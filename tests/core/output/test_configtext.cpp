#include "core/catalogue/StartupTables.h"
#include "core/output/ConfigText.h"
#include "support/ChoicesText.h"
#include "support/Files.h"
#include "support/TestCase.h"

// The expected texts are kept byte for byte in files of their own.
class TestConfigText : public QObject {
    Q_OBJECT

    static QByteArray expected(const QString &name) { return fileBytes(QFINDTESTDATA(u"expected/"_s + name)); }

private slots:
    // A locale that groups digits and writes a decimal comma must not reach either text.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // The preview of a fresh window, CR LF between its lines and none after the last: every row, the
    // Default ones with their default text as the data folder gives it (blanks after 20 and inside 36, an
    // empty one at 21), and level 90 when none is chosen.
    void previewOfAFreshWindow()
    {
        StartupTables tables;
        const QStringList defval =
            u"1|1|1|1|0|1|0|1|1|1|1|1|1|0|1|1|1|1|1|0|0  ||0|1|1|1|1|1|1|0|1|1|0.1|0|0|0|1 // hide|spare"_s.split(u'|');
        std::copy(defval.begin(), defval.end(), tables.defval.begin());
        QCOMPARE(composePreviewText(Choices(), tables), QString::fromLatin1(expected(u"fresh-window-preview.txt"_s)));
    }

    // The file: only the settings set, switches On or Off, the DirectX level last; every line ends in CR LF.
    void fileWithSomeRowsSet()
    {
        const Choices choices =
            openedConfig("cl_phys_props_enable 1\ncl_ragdoll_physics_enable 0\ncl_interp 1\nmat_dxlevel 81\nfov 90");
        QCOMPARE(composeFileText(settingLinesSetInWindow(choices)), expected(u"some-rows-set.cfg"_s));
    }

    // Whatever the choices, Open reads the saved text back into the same choices.
    void fileReadsBackAsTheSameChoices()
    {
        for (quint32 seed = 1; seed <= 8; ++seed) {
            const Choices choices = randomChoices(seed);
            QCOMPARE(changedSettings(openedConfig(composeFileText(settingLinesSetInWindow(choices)))),
                     changedSettings(choices));
        }
    }
};

QTEST_GUILESS_MAIN(TestConfigText)
#include "test_configtext.moc"
