#include "support/RowChanges.h"
#include "ui/catalogue/CatalogueTabs.h"

#include <QAbstractButton>
#include <QTest>

using namespace Qt::StringLiterals;

// The tab strip is the record of the rows: what the user clicks is what the rows say.
class TestCatalogueTabs : public QObject {
    Q_OBJECT

    CatalogueTabs tabs;

    QAbstractButton *button(const QString &name) const { return tabs.findChild<QAbstractButton *>(name); }
    void click(Catalogue::Tab tab, const QString &name)
    {
        tabs.setCurrentIndex(int(tab));
        QTest::mouseClick(button(name), Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    }

    void eachRowHoldsOneChoiceAndTheStripOneDirectXLevel()
    {
        click(Catalogue::Tab::Fps1, u"Option1_5"_s);
        QCOMPARE(tabs.rowState(5), RowState::On);
        click(Catalogue::Tab::Fps1, u"Option0_5"_s);
        click(Catalogue::Tab::Fps1, u"Option0_5"_s); // clicking the selected one keeps it
        click(Catalogue::Tab::Other, u"Option1_33"_s);
        click(Catalogue::Tab::Other, u"dx_1"_s);
        click(Catalogue::Tab::Other, u"dx_4"_s);
        QCOMPARE(changedRows(tabs), (QStringList{u"cl_ejectbrass=Off"_s, u"cl_showfps=On"_s, u"mat_dxlevel=81"_s}));
        QVERIFY(!button(u"dx_1"_s)->isChecked());
    }

    void slidersKeepTheirValueWithinRange()
    {
        tabs.setSliderValue(11, 5); // rate: 10000..50000
        QCOMPARE(tabs.sliderValue(11), 10000);
        tabs.setSliderValue(11, 999999);
        QCOMPARE(tabs.sliderValue(11), 50000);
    }

    void everyControlWithoutTextHasAnAccessibleName()
    {
        QCOMPARE(button(u"Option1_33"_s)->accessibleName(), u"cl_showfps On"_s);
        QCOMPARE(button(u"Option0_33"_s)->accessibleName(), u"cl_showfps Off"_s);
        QCOMPARE(button(u"default_103"_s)->accessibleName(), u"Reset fov"_s);
        QCOMPARE(button(u"dxbutton"_s)->accessibleName(), u"Reset mat_dxlevel"_s);
        QCOMPARE(tabs.findChild<QWidget *>(u"Slider_13"_s)->accessibleName(), u"fov"_s);
        for (QAbstractButton *each : tabs.findChildren<QAbstractButton *>())
            QVERIFY2(!each->text().isEmpty() || !each->accessibleName().isEmpty(), qPrintable(each->objectName()));
    }
};

QTEST_MAIN(TestCatalogueTabs)
#include "test_cataloguetabs.moc"
