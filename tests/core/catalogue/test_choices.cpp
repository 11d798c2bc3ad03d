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
        QTest::newRow("lowest") << 10000 << 10000;
        QTest::newRow("within") << 30000 << 30000;
        QTest::newRow("highest") << 50000 << 50000;
        QTest::newRow("above") << INT_MAX << 50000;
    }
    void sliderValuesStayInRange()
    {
        QFETCH(int, set);
        QFETCH(int, held);
        const std::optional<int> rate = Catalogue::findSetting("rate");
        QVERIFY(rate);
        Choices choices;
        QCOMPARE(choices.sliderValue(*rate), 25000); // where a fresh window starts it
        choices.setSliderValue(*rate, set);
        QCOMPARE(choices.sliderValue(*rate), held);
    }

    // Every setting is its own: changing one leaves the others, and equal values compare equal.
    void settingsAreIndependentAndCompareByValue()
    {
        const Choices fresh;
        Choices changed;
        for (const SwitchState state : {SwitchState::On, SwitchState::Off, SwitchState::Default}) {
            changed.setSwitch(3, state);
            QCOMPARE(changed.switchState(3), state);
            QCOMPARE(changed.switchState(2), SwitchState::Default);
        }
        QVERIFY(changed == fresh);
        changed.setDxMember(4);
        QCOMPARE(changed.dxMember(), std::optional(4));
        QVERIFY(!fresh.dxMember() && changed != fresh);
    }
};

QTEST_GUILESS_MAIN(TestChoices)
#include "test_choices.moc"
