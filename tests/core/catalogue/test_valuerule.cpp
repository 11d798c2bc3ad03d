#include "core/catalogue/ValueRule.h"
#include "support/ChoicesText.h"
#include "support/TestCase.h"

// What each kind of value means, read from a command and written back.
class TestValueRule : public QObject {
    Q_OBJECT
private slots:
    void readsEachKind_data()
    {
        QTest::addColumn<QByteArray>("command"); // "name value", the value as the scanner hands it over
        QTest::addColumn<bool>("longer");        // the value was cut short
        QTest::addColumn<QString>("taken");      // in the window's words; "-": nothing taken
        QTest::addColumn<bool>("exact");
        const auto row = [](const QByteArray &command, const QString &taken, bool exact, bool longer = false) {
            QTest::newRow(command.constData()) << command << longer << taken << exact;
        };
        for (const Catalogue::Setting &slider : Catalogue::settings().last(Catalogue::sliderCount)) {
            const QByteArray name = QByteArray(slider.name.data(), qsizetype(slider.name.size())) + ' ';
            for (const int end : {slider.slider.min, slider.slider.max}) // taken; one beyond, not
                row(name + QByteArray::number(end), QString::number(end), true);
            row(name + QByteArray::number(slider.slider.min - 1), u"-"_s, false);
            row(name + QByteArray::number(slider.slider.max + 1), u"-"_s, false);
        }
        row("cl_showfps 1", u"On"_s, true);
        row("cl_showfps 0", u"Off"_s, true);
        row("cl_showfps 2", u"Off"_s, false);
        row("cl_showfps on", u"-"_s, false);
        row("fov 90", u"90"_s, true);
        row("fov 90.5", u"90"_s, false); // halves go to the even neighbour
        row("fov 91.5", u"92"_s, false);
        row("fov 1.4", u"1"_s, false);
        row("fov 0.5", u"-"_s, false); // rounded below the range
        row("mat_dxlevel 81", u"DirectX 8.1"_s, true);
        row("mat_dxlevel 95", u"DirectX 9.0c"_s, true);
        row("mat_dxlevel 85", u"-"_s, false);
        row("mat_dxlevel 100", u"-"_s, false);
        row("mat_dxlevel 80.5", u"-"_s, false);
        row("mat_dxlevel 1e300", u"-"_s, false);
        row("fov 0000000000000000000000000000000000000000000000000000000000000090", u"90"_s, true);
        row("fov 0000000000000000000000000000000000000000000000000000000000000090", u"-"_s, false, true);
    }
    void readsEachKind()
    {
        QFETCH(QByteArray, command);
        QFETCH(bool, longer);
        QFETCH(QString, taken);
        QFETCH(bool, exact);
        const qsizetype blank = command.indexOf(' ');
        const Catalogue::SettingId setting = named(command.left(blank).toStdString());
        const ValueRule::Reading reading = ValueRule::read(setting, command.sliced(blank + 1), longer);
        QCOMPARE(reading.taken ? ValueRule::shownWords(*reading.taken) : u"-"_s, taken);
        QCOMPARE(reading.exact, exact);
        // A value taken is written as a text that reads back exactly as it; the saved files' own test holds the
        // texts, a switch in Default and no level writing none, and the Open report's the words of those two.
        if (reading.taken) {
            const ValueRule::Reading again = ValueRule::read(setting, *ValueRule::fileText(*reading.taken), false);
            QVERIFY(again.taken == reading.taken && again.exact);
        }
    }
};

QTEST_GUILESS_MAIN(TestValueRule)
#include "test_valuerule.moc"
