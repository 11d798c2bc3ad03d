#include "support/AppFixture.h"
#include "support/RowChanges.h"

#include <QDir>

using namespace Qt::StringLiterals;

// The Presets menu of the real window, each item with its file in the window's data folder.
class TestPresetCommands : public AppTest {
    Q_OBJECT
private slots:
    void eachItemAppliesItsOwnFileOrTellsWhyNot()
    {
        RowAccess &rows = app->window()->rows();
        rows.setSliderValue(13, 120);
        rows.selectDx(1);
        const QString applied = u"cl_phys_props_enable=Off fov=120 mat_dxlevel=60"_s; // only the rows the file names
        for (const auto &[item, caption] : {std::pair{u"highq"_s, u"High Quality"_s},
                                            {u"defq"_s, u"Default"_s},
                                            {u"hfps"_s, u"High FPS"_s},
                                            {u"dhfps"_s, u"Die Hard FPS"_s}}) {
            app->writeData(item + u".cst"_s, "3");
            app->trigger(item);
            QCOMPARE(changedRows(rows).join(u' '), applied);
            QVERIFY(app->prompts.shown().isEmpty());

            // A fault in a later item keeps the earlier ones from being applied.
            const QString path = app->writeData(item + u".cst"_s, "1,2");
            app->trigger(item);
            QCOMPARE(changedRows(rows).join(u' '), applied);
            QCOMPARE(app->titlesShown(), QStringList{caption});
            QCOMPARE(app->prompts.shown()[0].text,
                     u"The preset file %1 was not applied.\nItem 2 (cl_ragdoll_physics_enable) must end in 1 (On) or 3 "
                     u"(Off)."_s.arg(QDir::toNativeSeparators(path)));
            app->prompts.clearShown();
            rows.select(0, RowState::On);
        }
    }
};

QTEST_MAIN(TestPresetCommands)
#include "test_presetcommands.moc"
