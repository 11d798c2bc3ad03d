#include "core/catalogue/StartupTables.h"
#include "support/ChoicesText.h"
#include "ui/CurrentChoices.h"
#include "ui/catalogue/CatalogueTabs.h"
#include "ui/widgets/ClickableLabel.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// The tab strip shows the current choices and reports what the user does to its controls as edits.
class TestCatalogueTabs : public QObject {
    Q_OBJECT

    CurrentChoices choices;
    const StartupTables tables;
    CatalogueTabs tabs{choices, tables};

    QAbstractButton *button(const QString &name) const { return tabs.findChild<QAbstractButton *>(name); }
    QString changed() const { return changedSettings(choices.value()).join(u' '); }

private slots:
    // Each tab holds its rows (a row on another tab would change the counts); each row holds one choice
    // and the strip one DirectX level.
    void eachRowHoldsOneChoiceAndTheStripOneDirectXLevel()
    {
        QList<qsizetype> names;
        for (int tab = 0; tab < tabs.count(); ++tab)
            names << tabs.widget(tab)->findChildren<ClickableLabel *>().size();
        QCOMPARE(names, (QList<qsizetype>{15, 15, 8, 5, 0, 9}));
        // Clicking the selected one keeps it.
        for (const QString &name :
             {u"Option1_5"_s, u"Option0_5"_s, u"Option0_5"_s, u"Option1_33"_s, u"dx_4"_s, u"dx_0"_s})
            QTest::mouseClick(button(name), Qt::LeftButton);
        QCOMPARE(changed(), u"cl_ejectbrass=Off cl_showfps=On mat_dxlevel=50"_s);
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
        Choices fov;
        fov.setSliderValue(Catalogue::settingCount - 1, 90);
        choices.change(fov, u"fov"_s);
        QCOMPARE(tabs.findChild<QSlider *>(u"Slider_13"_s)->value(), 90);
    }

    // A drag, a key, a wheel notch and a screen reader each reach the choices as an edit of the slider;
    // one slider's changes in a row are one step to undo.
    void everyWayOfMovingASliderIsAnEdit()
    {
        choices.change(Choices(), u"fresh"_s);
        const int fov = Catalogue::settingCount - 1;
        auto *slider = tabs.findChild<QSlider *>(u"Slider_13"_s);
        tabs.setCurrentIndex(int(Catalogue::Tab::Other));
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        // Each way must move the value, and the choices must follow it.
        int before = choices.value().sliderValue(fov);
        const auto reached = [&](const char *how) {
            const int now = choices.value().sliderValue(fov);
            QVERIFY2(now != before && now == slider->value(), how);
            before = now;
        };

        QStyleOptionSlider option;
        option.initFrom(slider);
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = slider->value();
        const QPoint handle =
            slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
        QTest::mousePress(slider, Qt::LeftButton, {}, handle);
        QTest::mouseMove(slider, handle + QPoint(20, 0));
        QTest::mouseRelease(slider, Qt::LeftButton, {}, handle + QPoint(20, 0));
        reached("drag");
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        reached("key");
        QWheelEvent notch(QPointF(handle), slider->mapToGlobal(QPointF(handle)), {}, {0, 120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &notch);
        reached("wheel");
        QAccessible::queryAccessibleInterface(slider)->valueInterface()->setCurrentValue(200);
        reached("screen reader");
        QVERIFY(choices.value().isSet(fov));
        QCOMPARE(choices.history().undoName(), u"fov"_s);
        choices.undo();
        QCOMPARE(choices.value(), Choices());
    }

    // What a slider reaches, and how far a key and a page step move it.
    void slidersRangesAndSteps()
    {
        QStringList ranges;
        for (int k = 0; k < Catalogue::sliderCount; ++k) {
            const auto *s = tabs.findChild<QSlider *>(u"Slider_%1"_s.arg(k));
            ranges << QString::asprintf("%d-%d/%d/%d", s->minimum(), s->maximum(), s->singleStep(), s->pageStep());
        }
        QCOMPARE(ranges.join(u' '), u"0-1000/50/1000 0-4096/16/128 0-4096/16/128 50-1000/10/100 50-1000/10/100 "
                                    "100-5000/50/100 0-3000/50/100 0-100/1/10 1-100/5/10 1-100/5/10 1-30000/50/500 "
                                    "10000-50000/1000/5000 1-300/5/10 1-360/5/10"_s);
    }

    // A slider's tooltip shows the variable and the value at the handle, whether the pointer resting on the
    // slider or a key brings it up (drags, page clicks and the wheel arrive as the same slider action as a key).
    void slidersShowTheirValueAtTheHandle()
    {
        choices.change(Choices(), u"fresh"_s);
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
