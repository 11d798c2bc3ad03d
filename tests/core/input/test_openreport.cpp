#include "core/catalogue/Choices.h"
#include "core/input/OpenReport.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Which values from a file Open tells the window cannot show: the rule for each value is ValueRule's.
class TestOpenReport : public QObject {
    Q_OBJECT
private slots:
    void listsWhatTheWindowCannotShow_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("unshown"); // "name file: shown" joined by "; ", then the count read
        QTest::newRow("a clean file, numbers by value")
            << "fov 1.0\ncl_showfps 1.0\nr_decals 10.000000\nmat_dxlevel 81.0\nrate 30000"_ba << u"/5"_s;
        QTest::newRow("each kind, in the catalogue's order, with the value taken or kept")
            << "rate 100000\nfov 90.5\ncl_showfps 2\nmat_dxlevel 95\ncl_smooth on\nfps_max \"0\" // no cap"_ba
            << u"cl_smooth on: neither On nor Off; cl_showfps 2: Off; mat_dxlevel 95: no level; rate 100000: 25000; "
               u"fps_max 0: 300; fov 90.5: 90/6"_s;
        // The value of the command that takes effect, as it stands between its blanks and quotes; of a longer
        // one, its first 64 bytes.
        QTest::newRow("the last value, a long one cut")
            << "fov \"x y\" \nfov\nrate 1;rate "_ba + QByteArray(65, '9') + "\ncl_rate \"" + QByteArray(64, '8')
            << u"cl_rate %1: 10000; rate %2...: 25000; fov x y: 75/3"_s.arg(QString(64, u'8'), QString(64, u'9'));
    }
    void listsWhatTheWindowCannotShow()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, unshown);
        Choices opened;
        ConfigReader reader(opened);
        reader.feed(text);
        reader.finish();
        QStringList listed;
        for (const OpenReport::Unshown &each : OpenReport::unshownValues(reader.lastValues(), opened))
            listed << u"%1 %2: %3"_s.arg(QString::fromLatin1(Catalogue::setting(each.setting).name), each.fileText,
                                         each.shown);
        QCOMPARE(listed.join(u"; "_s) + u'/' + QString::number(OpenReport::settingsRead(reader.lastValues())), unshown);
    }
};

QTEST_GUILESS_MAIN(TestOpenReport)
#include "test_openreport.moc"
