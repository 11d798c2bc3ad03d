#include "core/catalogue/StartupTables.h"
#include "support/ChoicesText.h"
#include "support/TestCase.h"
#include "ui/CurrentChoices.h"
#include "ui/catalogue/CatalogueTabs.h"

#include <QtWidgets>

// The tab strip shows the current choices and reports what the user does to its controls as edits.
class TestCatalogueTabs : public QObject {
    Q_OBJECT

    CurrentChoices choices;
    const StartupTables tables;
    CatalogueTabs tabs{choices, tables};

    QAbstractButton *button(const QString &name) const { return tabs.findChild<QAbstractButton *>(name); }

private slots:
    // Each row holds one choice and the strip one DirectX level; clicking the selected one keeps it.
    void eachRowHoldsOneChoiceAndTheStripOneDirectXLevel()
    {
        for (const QString &name :
             {u"Option1_5"_s, u"Option0_5"_s, u"Option0_5"_s, u"Option1_33"_s, u"dx_4"_s, u"dx_0"_s})
            QTest::mouseClick(button(name), Qt::LeftButton);
        QCOMPARE(changedSettings(choices.value()).join(u' '), u"cl_ejectbrass=Off cl_showfps=On mat_dxlevel=50"_s);
        QVERIFY(!button(u"dx_4"_s)->isChecked());

        // Controls without a text of their own are named for screen readers.
        QCOMPARE(button(u"Option1_33"_s)->accessibleName(), u"cl_showfps On"_s);
        QCOMPARE(button(u"Option0_33"_s)->accessibleName(), u"cl_showfps Off"_s);
        QCOMPARE(button(u"default_103"_s)->accessibleName(), u"Reset fov"_s);
        QCOMPARE(tabs.findChild<QWidget *>(u"Slider_13"_s)->accessibleName(), u"fov"_s);
        for (QAbstractButton *each : tabs.findChildren<QAbstractButton *>())
            QVERIFY2(!each->text().isEmpty() || !each->accessibleName().isEmpty(), qPrintable(each->objectName()));

        // A new value is shown whole, a switch in Default and no DirectX level included.
        choices.change(Choices(), u"back"_s);
        QVERIFY(!button(u"Option0_5"_s)->isChecked() && !button(u"Option1_5"_s)->isChecked());
        QVERIFY(!button(u"dx_0"_s)->isChecked());
    }

    // A slider's value reaches the choices as an edit however it changes, a screen reader's set included,
    // and one slider's changes in a row are one step to undo.
    void everyWayOfMovingASliderIsAnEdit()
    {
        auto *slider = tabs.findChild<QSlider *>(u"Slider_13"_s);
        for (const int value : {200, 201}) {
            QAccessible::queryAccessibleInterface(slider)->valueInterface()->setCurrentValue(value);
            QCOMPARE(choices.value().sliderValue(named("fov")), value);
        }
        QVERIFY(choices.value().isSet(named("fov")));
        QCOMPARE(choices.history().undoName(), u"fov"_s);
        choices.undo();
        QCOMPARE(choices.value(), Choices());
        QCOMPARE(slider->value(), Choices().sliderValue(named("fov"))); // shown, as every new value is
    }

    // A slider's tooltip shows the variable and the value at the handle, whether the pointer resting on the
    // slider or a key brings it up (drags, page clicks and the wheel arrive as the same slider action as a key).
    void slidersShowTheirValueAtTheHandle()
    {
        QSlider &slider = *tabs.findChild<QSlider *>(u"Slider_12"_s); // fps_max: 1..300, at 300
        tabs.setCurrentIndex(int(Catalogue::Tab::Ping));
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        const QPoint middle(slider.width() / 2, slider.height() / 2);
        QCursor::setPos(0, 0); // far from the handle
        QHelpEvent hover(QEvent::ToolTip, middle, slider.mapToGlobal(middle));
        for (const QString &tip : {u"fps_max 300"_s, u"fps_max 295"_s}) {
            tip.endsWith(u"300"_s) ? void(QApplication::sendEvent(&slider, &hover))
                                   : QTest::keyClick(&slider, Qt::Key_Left);
            QTRY_COMPARE(QToolTip::text(), tip);
            const QRect area(slider.mapToGlobal(QPoint()), slider.size()); // the handle, give or take its width:
            const QPoint handle(area.left() + area.width() * (slider.value() - 1) / 299, area.center().y());
            QList<QWidget *> tips = QApplication::topLevelWidgets();
            tips.removeIf([](QWidget *w) { return !w->inherits("QTipLabel") || !w->isVisible(); });
            QVERIFY(tips.size() == 1 && (tips[0]->pos() - handle).manhattanLength() < 40);
        }
        QToolTip::hideText();
    }
};

QTEST_MAIN(TestCatalogueTabs)
#include "test_cataloguetabs.moc"
