#include "core/catalogue/Choices.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The choices as a value: each setting holds what was set last, a slider only values within its range.
class TestChoices : public QObject {
    Q_OBJECT
private slots:
    void sliderValuesStayInRange_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("held");
        // rate: 10000..50000
        QTest::newRow("below") << 9999 << 10000;
        QTest::newRow("above") << INT_MAX << 50000;
    }
    void sliderValuesStayInRange()
    {
        QFETCH(int, set);
        QFETCH(int, held);
        const int rate = Catalogue::firstSliderSetting + 11;
        Choices choices;
        choices.setSliderValue(rate, set);
        QCOMPARE(choices.sliderValue(rate), held);
    }

    // Each setter gives its setting a value and marks it as set, even when the value was already so;
    // the others stay unmarked. Values compare with their marks.
    void settersMarkTheirSettingAlone()
    {
        const auto setPlaces = [](const Choices &choices) {
            QStringList set;
            for (int place = 0; place < Catalogue::settingCount; ++place) {
                if (choices.isSet(place))
                    set << QString::number(place);
            }
            return set.join(u' ');
        };
        const Choices fresh;
        QCOMPARE(setPlaces(fresh), QString());
        Choices changed;
        changed.setSwitch(3, SwitchState::Default);
        QVERIFY(changed != fresh);
        changed.setSwitch(2, SwitchState::Off);
        changed.setSliderValue(Catalogue::firstSliderSetting, fresh.sliderValue(Catalogue::firstSliderSetting));
        changed.setDxMember(4);
        QCOMPARE(setPlaces(changed), u"2 3 37 38"_s);
    }
};

QTEST_GUILESS_MAIN(TestChoices)
#include "test_choices.moc"
