#include "core/catalogue/Choices.h"
#include "core/input/OpenReport.h"
#include "support/TestCase.h"

// Which values from a file Open tells the window cannot show: the rule for each value is ValueRule's.
class TestOpenReport : public QObject {
    Q_OBJECT
private slots:
    // A value read exactly is not listed. Listed is the value of the command that takes effect, as it stands
    // between its blanks and quotes; of a longer one, its first 64 bytes.
    void listsWhatTheWindowCannotShow()
    {
        // Each file, and what is listed as "name file: shown" joined by "; ", then the count read.
        const QList<std::pair<QByteArray, QString>> files{
            {"rate 2000000\nfov 90.5\ncl_showfps 2\nmat_dxlevel 100\ncl_smooth on\nfps_max \"-1\" // no cap\n"
             "cl_interp 1.0"_ba,
             u"cl_smooth on: neither On nor Off; cl_showfps 2: Off; mat_dxlevel 100: no level; rate 2000000: 25000; "
             u"fps_max -1: 300; fov 90.5: 90/7"_s},
            {"fov \"x y\" \nfov\nrate 1;rate "_ba + QByteArray(65, '9') + "\ncl_rate \"" + QByteArray(64, '8'),
             u"cl_rate %1: 10000; rate %2...: 25000; fov x y: 75/3"_s.arg(QString(64, u'8'), QString(64, u'9'))}};
        for (const auto &[text, unshown] : files) {
            Choices opened;
            ConfigReader reader(opened);
            reader.feed(text);
            reader.finish();
            QStringList listed;
            for (const OpenReport::Unshown &each : OpenReport::unshownValues(reader.lastValues(), opened))
                listed << u"%1 %2: %3"_s.arg(QString::fromLatin1(Catalogue::setting(each.setting).name), each.fileText,
                                             each.shown);
            QCOMPARE(listed.join(u"; "_s) + u'/' + QString::number(OpenReport::settingsRead(reader.lastValues())),
                     unshown);
        }
    }
};

QTEST_GUILESS_MAIN(TestOpenReport)
#include "test_openreport.moc"
