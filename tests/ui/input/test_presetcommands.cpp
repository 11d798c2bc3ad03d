#include "support/AppFixture.h"

using namespace Qt::StringLiterals;

// The Presets menu of the real window, each item with its file in the window's data folder.
class TestPresetCommands : public AppTest {
    Q_OBJECT
private slots:
    void eachItemAppliesItsOwnFileOrTellsWhyNot()
    {
        app->writeData(u"hfps.cst"_s, "3");
        app->trigger(u"hfps"_s);
        QVERIFY(app->prompts.shown.isEmpty());
        const QString applied = app->changed();
        QCOMPARE(applied, u"cl_phys_props_enable=Off"_s);
        const QStringList items{u"highq"_s, u"defq"_s, u"hfps"_s, u"dhfps"_s};
        const QStringList captions{u"High Quality"_s, u"Default"_s, u"High FPS"_s, u"Die Hard FPS"_s};
        for (int i = 0; i < items.size(); ++i) {
            // A fault in a later item keeps the earlier ones from being applied.
            const QString path = app->writeData(items[i] + u".cst"_s, "1,2");
            app->prompts.shown.clear();
            app->trigger(items[i]);
            QCOMPARE(app->prompts.said(),
                     QStringList{captions[i]
                                 + u": The preset file %1 was not applied.\nItem 2 (cl_ragdoll_physics_enable) "
                                   u"must end in 1 (On) or 3 (Off)."_s.arg(QDir::toNativeSeparators(path))});
            QCOMPARE(app->changed(), applied);
        }
    }
};

QTEST_MAIN(TestPresetCommands)
#include "test_presetcommands.moc"
