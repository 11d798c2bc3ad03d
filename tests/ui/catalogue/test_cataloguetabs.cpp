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
             {u"Option1_5"_s, u"Option0_5"_s, u"Option0_5"_s, u"Option1_33"_s, u"dx_4"_s, u"dx_6"_s})
            QTest::mouseClick(button(name), Qt::LeftButton);
        QCOMPARE(changedSettings(choices.value()).join(u' '), u"cl_ejectbrass=Off cl_showfps=On mat_dxlevel=95"_s);
        QVERIFY(!button(u"dx_4"_s)->isChecked());
        // The DirectX row's "D" clears the level, which leaves it to the game.
        QTest::mouseClick(button(u"dxbutton"_s), Qt::LeftButton);
        QVERIFY(!button(u"dx_6"_s)->isChecked()
                && choices.value().value(Catalogue::directXSetting) == SettingValue(DxSelection{}));

        // Controls without a text of their own are named for screen readers.
        QCOMPARE(button(u"Option1_33"_s)->accessibleName(), u"cl_showfps On"_s);
        QCOMPARE(button(u"Option0_33"_s)->accessibleName(), u"cl_showfps Off"_s);
        QCOMPARE(button(u"default_103"_s)->accessibleName(), u"Reset fov"_s);
        QCOMPARE(tabs.findChild<QWidget *>(u"Slider_13"_s)->accessibleName(), u"fov"_s);
        for (QAbstractButton *each : tabs.findChildren<QAbstractButton *>())
            QVERIFY2(!each->text().isEmpty() || !each->accessibleName().isEmpty(), qPrintable(each->objectName()));
        // The number fields are wide enough for any value of their range, in words or digits.
        for (QSpinBox *field : tabs.findChildren<QSpinBox *>())
            QVERIFY2(field->width() >= field->minimumSizeHint().width(), qPrintable(field->objectName()));

        // A new value is shown whole, a switch in Default included.
        choices.change(Choices(), u"back"_s);
        QVERIFY(!button(u"Option0_5"_s)->isChecked() && !button(u"Option1_5"_s)->isChecked());
    }

    // A slider's value reaches the choices as an edit however it changes, a screen reader's set included,
    // and one slider's changes in a row are one step to undo.
    void everyWayOfMovingASliderIsAnEdit()
    {
        auto *slider = tabs.findChild<QSlider *>(u"Slider_11"_s);
        for (const int value : {30000, 30001}) {
            QAccessible::queryAccessibleInterface(slider)->valueInterface()->setCurrentValue(value);
            QCOMPARE(choices.value().sliderValue(named("rate")), value);
        }
        // A number typed in the field is taken on Enter, as another move of the same slider.
        auto *field = tabs.findChild<QSpinBox *>(u"SliderValue_11"_s);
        QCOMPARE(field->accessibleName(), u"rate value"_s);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, u"128000"_s);
        QCOMPARE(slider->value(), 30001);
        QTest::keyClick(field, Qt::Key_Enter);
        QCOMPARE(slider->value(), 128000);
        QVERIFY(choices.value().isSet(named("rate")));
        QCOMPARE(choices.history().undoName(), u"rate"_s);
        choices.undo();
        QCOMPARE(choices.value(), Choices());
        QCOMPARE(slider->value(), Choices().sliderValue(named("rate"))); // shown, as every new value is
        QCOMPARE(field->value(), slider->value());
    }

    // A slider's tooltip shows the variable and the value at the handle, whether the pointer resting on the
    // slider or a key brings it up (drags, page clicks and the wheel arrive as the same slider action as a key).
    // fps_max's lowest value, no limit, is shown in words there and in its field.
    void slidersShowTheirValueAtTheHandle()
    {
        QSlider &slider = *tabs.findChild<QSlider *>(u"Slider_12"_s); // fps_max: 0..999, at 300
        tabs.setCurrentIndex(int(Catalogue::Tab::Ping));
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        const QPoint middle(slider.width() / 2, slider.height() / 2);
        QCursor::setPos(0, 0); // far from the handle
        QHelpEvent hover(QEvent::ToolTip, middle, slider.mapToGlobal(middle));
        const QList<std::pair<QString, Qt::Key>> steps{{u"fps_max 300"_s, Qt::Key_unknown},
                                                       {u"fps_max 295"_s, Qt::Key_Left},
                                                       {u"fps_max no limit"_s, Qt::Key_Home}};
        for (const auto &[tip, key] : steps) {
            key == Qt::Key_unknown ? void(QApplication::sendEvent(&slider, &hover)) : QTest::keyClick(&slider, key);
            QTRY_COMPARE(QToolTip::text(), tip);
            const QRect area(slider.mapToGlobal(QPoint()), slider.size()); // the handle, give or take its width:
            const QPoint handle(area.left() + area.width() * slider.value() / slider.maximum(), area.center().y());
            QList<QWidget *> tips = QApplication::topLevelWidgets();
            tips.removeIf([](QWidget *w) { return !w->inherits("QTipLabel") || !w->isVisible(); });
            QVERIFY(tips.size() == 1 && (tips[0]->pos() - handle).manhattanLength() < 40);
        }
        QCOMPARE(tabs.findChild<QSpinBox *>(u"SliderValue_12"_s)->text(), u"no limit"_s);
        QToolTip::hideText();
    }
};

QTEST_MAIN(TestCatalogueTabs)
#include "test_cataloguetabs.moc"
