#include "app/AppController.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RowAccess.h"
#include "support/RowChanges.h"
#include "support/ScriptedPrompts.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// What Save writes, Open reads back: through the real window, the real dialogs scripted.
class TestRoundTrip : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    ScriptedPrompts *prompts = nullptr;
    AppController *controller = nullptr;

    MainWindow *window() const { return controller->mainWindow(); }
    void trigger(const char *action) { window()->menuAction(QLatin1StringView(action))->trigger(); }

    void save(const QString &path)
    {
        prompts->answerFile(path);
        if (QFile::exists(path))
            prompts->answerYesNo(true);
        trigger("inst");
    }
    void open(const QString &path)
    {
        prompts->answerFile(path);
        trigger("open");
    }

private slots:
    void init()
    {
        prompts = new ScriptedPrompts;
        controller = new AppController(*prompts, folder.path(), [] {});
        controller->createMainWindow();
    }

    void cleanup()
    {
        prompts->answerYesNo(true);
        window()->close();
        QTRY_VERIFY(!window());
        delete controller;
        delete prompts;
    }

    void saveNewOpenRestoresEveryRow_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void saveNewOpenRestoresEveryRow()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        RowAccess &rows = window()->rows();
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

        const QString path = folder.filePath(u"round.cfg"_s);
        save(path);
        prompts->answerYesNo(true); // "New file"
        prompts->answerYesNo(true); // "Finished?"
        trigger("new");
        QTRY_VERIFY(window());
        QVERIFY(changedRows(window()->rows()).isEmpty());
        open(path);
        QCOMPARE(changedRows(window()->rows()), chosen);
        QVERIFY(prompts->allAnswersUsed());
    }

    void openingWhatWasJustSavedChangesNothing()
    {
        RowAccess &rows = window()->rows();
        rows.select(3, RowState::On);
        rows.select(32, RowState::Off);
        rows.setSliderValue(8, 100);
        rows.selectDx(4);
        const QStringList before = changedRows(rows);
        const QString path = folder.filePath(u"same.cfg"_s);
        save(path);
        open(path);
        QCOMPARE(changedRows(rows), before);
        QCOMPARE(rows.rowState(0), RowState::Default); // rows left in Default are not written
    }
};

QTEST_MAIN(TestRoundTrip)
#include "test_roundtrip.moc"
