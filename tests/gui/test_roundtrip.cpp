#include "core/catalogue/Catalogue.h"
#include "core/catalogue/RowAccess.h"
#include "support/AppFixture.h"
#include "support/RowChanges.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

// What Save writes, Open reads back: through the real window, the dialogs scripted.
class TestRoundTrip : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;

    void save(const QString &path)
    {
        app->prompts.answerFile(path);
        if (QFile::exists(path))
            app->prompts.answerChoice(1); // Replace
        app->trigger(u"inst"_s);
    }
    void open(const QString &path)
    {
        app->prompts.answerFile(path);
        app->trigger(u"open"_s);
    }

private slots:
    void init()
    {
        app = std::make_unique<AppFixture>();
        app->start();
    }
    void cleanup() { QVERIFY(app->finish()); }

    void saveNewOpenRestoresEveryRow_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 8; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }
    void saveNewOpenRestoresEveryRow()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        RowAccess &rows = app->window()->rows();
        for (int i = 0; i < Catalogue::threeStateCount; ++i)
            rows.select(i, random.bounded(2) ? RowState::On : RowState::Off);
        for (int k = 0; k < Catalogue::sliderCount; ++k) {
            const Catalogue::SliderRange &range = Catalogue::sliderRow(k).slider;
            rows.setSliderValue(k, random.bounded(range.min, range.max + 1));
        }
        // One seed in seven leaves the DirectX level unset.
        if (const int member = int(random.bounded(Catalogue::dxLevelCount + 1)); member < Catalogue::dxLevelCount)
            rows.selectDx(member);
        const QStringList chosen = changedRows(rows);

        const QString path = app->dataPath(u"round.cfg"_s);
        save(path);
        app->prompts.answerYesNo(true); // "New file"
        app->prompts.answerYesNo(true); // "Finished?"
        app->trigger(u"new"_s);
        QVERIFY(changedRows(app->window()->rows()).isEmpty());
        open(path);
        QCOMPARE(changedRows(app->window()->rows()), chosen);
        QVERIFY(app->prompts.allAnswersUsed());
    }

    void openingWhatWasJustSavedChangesNothing()
    {
        RowAccess &rows = app->window()->rows();
        rows.select(3, RowState::On);
        rows.select(32, RowState::Off);
        rows.setSliderValue(8, 100);
        rows.selectDx(4);
        const QStringList before = changedRows(rows);
        const QString path = app->dataPath(u"same.cfg"_s);
        save(path);
        open(path);
        QCOMPARE(changedRows(rows), before);
        QCOMPARE(rows.rowState(0), RowState::Default); // rows left in Default are not written
    }
};

QTEST_MAIN(TestRoundTrip)
#include "test_roundtrip.moc"
