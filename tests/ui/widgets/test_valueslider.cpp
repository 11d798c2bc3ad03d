#include "support/AccessibleEvents.h"
#include "ui/widgets/ValueSlider.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// The tooltip shows the variable and the value at the handle, whether a key, a drag or the pointer resting
// on the slider brings it up.
class TestValueSlider : public QObject {
    Q_OBJECT
private slots:
    void showsItsValueAtItsHandle_data()
    {
        QTest::addColumn<QString>("input"); // keys, a drag or a hover
        QTest::addColumn<QString>("tip");   // none: the value the drag left
        QTest::newRow("Left") << u"Left"_s << u"fps_max 295"_s;
        QTest::newRow("drag") << u"drag"_s << QString();
        QTest::newRow("hover") << u"hover"_s << u"fps_max 300"_s;
    }
    void showsItsValueAtItsHandle()
    {
        QFETCH(QString, input);
        QFETCH(QString, tip);
        ValueSlider slider(u"fps_max"_s);
        slider.setRange(1, 300);
        slider.setSingleStep(5);
        slider.setValue(300);
        slider.resize(92, 15);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        const QPoint middle(slider.width() / 2, slider.height() / 2);
        QCursor::setPos(0, 0); // far from the handle
        takeAccessibleEvents(&slider);
        if (input == u"drag"_s) {
            QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(slider.width() - 3, middle.y()));
            QTest::mouseMove(&slider, middle);
            tip = u"fps_max %1"_s.arg(slider.value());
            QVERIFY(slider.value() < 300);
        } else if (input == u"hover"_s) {
            QHelpEvent hover(QEvent::ToolTip, middle, slider.mapToGlobal(middle));
            QApplication::sendEvent(&slider, &hover);
        } else {
            QTest::keySequence(&slider, QKeySequence(input));
        }
        QTRY_COMPARE(QToolTip::text(), tip);
        const QRect area(slider.mapToGlobal(QPoint()), slider.size()); // the handle, give or take its width:
        const QPoint handle(area.left() + area.width() * (slider.value() - 1) / 299, area.center().y());
        QList<QWidget *> tips = QApplication::topLevelWidgets();
        tips.removeIf([](QWidget *w) { return !w->inherits("QTipLabel") || !w->isVisible(); });
        QVERIFY(tips.size() == 1 && (tips[0]->pos() - handle).manhattanLength() < 40);
        // Qt tells screen readers of each change of value, and of none on hovering.
        QCOMPARE(takeAccessibleEvents(&slider).contains(QAccessible::ValueChanged), input != u"hover"_s);
        if (input == u"drag"_s)
            QTest::mouseRelease(&slider, Qt::LeftButton, {}, middle);
        QToolTip::hideText();
    }
};

QTEST_MAIN(TestValueSlider)
#include "test_valueslider.moc"
