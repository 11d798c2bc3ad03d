#include "support/AppFixture.h"
#include "support/RowChanges.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// The Presets menu of the real window, each item with its file in the window's data folder.
class TestPresetCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;

private slots:
    void init()
    {
        app = std::make_unique<AppFixture>();
        app->start();
    }
    void cleanup() { QVERIFY(app->finish()); }

    void eachItemAppliesItsOwnFileOrTellsWhyNot_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::newRow("highq") << u"highq"_s << u"High Quality"_s;
        QTest::newRow("defq") << u"defq"_s << u"Default"_s;
        QTest::newRow("hfps") << u"hfps"_s << u"High FPS"_s;
        QTest::newRow("dhfps") << u"dhfps"_s << u"Die Hard FPS"_s;
    }
    void eachItemAppliesItsOwnFileOrTellsWhyNot()
    {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        RowAccess &rows = app->window()->rows();
        rows.setSliderValue(13, 120);
        rows.selectDx(1);
        QFile file(app->dataPath(item + u".cst"_s));
        const auto write = [&file](const QByteArray &text) {
            const bool written = file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
            file.close();
            return written;
        };
        QVERIFY(write("3"));
        app->trigger(item);
        // Only the rows the file names change.
        const QString applied = u"cl_phys_props_enable=Off fov=120 mat_dxlevel=60"_s;
        QCOMPARE(changedRows(rows).join(u' '), applied);
        QVERIFY(app->prompts.shown().isEmpty());

        // A fault in a later item keeps the earlier ones from being applied.
        QVERIFY(write("1,2"));
        app->trigger(item);
        QCOMPARE(changedRows(rows).join(u' '), applied);
        QCOMPARE(app->prompts.shown().size(), 1);
        QCOMPARE(app->prompts.shown()[0].title, caption);
        QCOMPARE(app->prompts.shown()[0].text,
                 u"The preset file %1 was not applied.\nItem 2 (cl_ragdoll_physics_enable) must end in 1 (On) or 3 "
                 u"(Off)."_s.arg(QDir::toNativeSeparators(file.fileName())));
    }
};

QTEST_MAIN(TestPresetCommands)
#include "test_presetcommands.moc"
