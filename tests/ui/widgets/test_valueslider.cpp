#include "ui/widgets/ValueSlider.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// The tooltip shows the variable and the value at the handle, whether the pointer resting on the slider or
// a key brings it up (drags, page clicks and the wheel arrive as the same slider action as a key).
class TestValueSlider : public QObject {
    Q_OBJECT
private slots:
    void showsItsValueAtItsHandle()
    {
        ValueSlider slider(u"fps_max"_s);
        slider.setRange(1, 300);
        slider.setSingleStep(5);
        slider.setValue(300);
        slider.resize(92, 15);
        slider.show();
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

QTEST_MAIN(TestValueSlider)
#include "test_valueslider.moc"
