#include "core/catalogue/Choices.h"
#include "support/ChoicesText.h"
#include "support/TestCase.h"

// The choices as a value: each setting holds what was set last, a slider only values within its range.
class TestChoices : public QObject {
    Q_OBJECT
private slots:
    void sliderValuesStayInRange()
    {
        Choices choices; // rate: 10000..1048576
        for (const auto &[set, held] : {std::pair{9999, 10000}, {INT_MAX, 1048576}}) {
            choices.setSliderValue(named("rate"), set);
            QCOMPARE(choices.sliderValue(named("rate")), held);
        }
    }

    // Each setter gives its setting a value and marks it as set, even when the value was already so;
    // the others stay unmarked. Values compare with their marks.
    void settersMarkTheirSettingAlone()
    {
        const auto setNames = [](const Choices &choices) {
            QStringList set;
            for (const Catalogue::SettingId setting : Catalogue::allSettings()) {
                if (choices.isSet(setting))
                    set << QString::fromLatin1(Catalogue::setting(setting).name);
            }
            return set.join(u' ');
        };
        const Choices fresh;
        QCOMPARE(setNames(fresh), QString());
        Choices changed;
        changed.setSwitch(named("cl_smooth"), SwitchState::Default);
        QVERIFY(changed != fresh);
        changed.setSwitch(named("cl_show_splashes"), SwitchState::Off);
        changed.setSliderValue(named("cl_phys_props_max"), fresh.sliderValue(named("cl_phys_props_max")));
        changed.setDxLevel(81);
        QCOMPARE(setNames(changed), u"cl_show_splashes cl_smooth mat_dxlevel cl_phys_props_max"_s);
    }
};

QTEST_GUILESS_MAIN(TestChoices)
#include "test_choices.moc"
