#include "core/catalogue/ChoicesHistory.h"
#include "support/ChoicesText.h"
#include "support/TestCase.h"

namespace {

// Distinct values to step through: the fov slider at `value`, which also marks it as set.
Choices withFov(int value)
{
    Choices choices;
    choices.setSliderValue(named("fov"), value);
    return choices;
}

} // namespace

// Undo and Redo by their names, back and forth, are driven through the Edit menu in the main window's test.
class TestChoicesHistory : public QObject {
    Q_OBJECT
private slots:
    // Changes of one slider in a row are one step; any other step, or an Undo, ends it. A new step
    // drops what Redo could have done.
    void oneSlidersChangesInARowAreOneStep_data()
    {
        QTest::addColumn<QString>("between"); // what happens between two changes of fov
        QTest::addColumn<int>("steps");
        QTest::newRow("nothing") << QString() << 1;
        QTest::newRow("another slider") << u"slider"_s << 3;
        QTest::newRow("a switch") << u"switch"_s << 3;
        QTest::newRow("undo") << u"undo"_s << 1;
    }
    void oneSlidersChangesInARowAreOneStep()
    {
        QFETCH(QString, between);
        QFETCH(int, steps);
        ChoicesHistory history;
        history.record(withFov(1), u"fov"_s, named("fov"));
        if (between == u"slider"_s)
            history.record(withFov(2), u"rate"_s, named("rate"));
        else if (between == u"switch"_s)
            history.record(withFov(2), u"cl_showfps On"_s);
        else if (between == u"undo"_s)
            history.undo(withFov(2), {});
        history.record(withFov(3), u"fov"_s, named("fov"));
        QVERIFY(!history.canRedo());
        int counted = 0;
        Choices reached;
        for (Choices now = withFov(4); history.canUndo(); ++counted)
            reached = now = history.undo(now, {}).choices;
        QCOMPARE(counted, steps);
        QCOMPARE(reached, between == u"undo"_s ? withFov(3) : withFov(1)); // the value before the first change
    }
};

QTEST_GUILESS_MAIN(TestChoicesHistory)
#include "test_choiceshistory.moc"
