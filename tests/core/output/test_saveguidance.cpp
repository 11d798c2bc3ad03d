#include "core/output/SaveGuidance.h"
#include "support/Files.h"
#include "support/TestCase.h"

using SaveGuidance::Advice;

// Which targets are in the game's config folder, and what a save there should be told first.
class TestSaveGuidance : public QObject {
    Q_OBJECT

    QTemporaryDir home;

private slots:
    // The lookup found lib/game, reached here through a link; cstrike/cfg counts wherever it is.
    void adviceForEachTarget_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<Advice>("advice");
        QTest::newRow("config.cfg in another case") << u"lib/game/Config.CFG"_s << Advice::ConfigRewritten;
        QTest::newRow("a new file") << u"link/game/tunewick.cfg"_s << Advice::NotRunByItself;
        QTest::newRow("an existing file") << u"lib/game/mine.cfg"_s << Advice::None;
        QTest::newRow("autoexec.cfg") << u"lib/game/AUTOEXEC.cfg"_s << Advice::None;
        QTest::newRow("server.cfg, run at each map start") << u"lib/game/Server.cfg"_s << Advice::None;
        QTest::newRow("cstrike/cfg in any case") << u"x/CStrike/CFG/tunewick.cfg"_s << Advice::NotRunByItself;
        QTest::newRow("below cstrike/cfg") << u"x/cstrike/cfg/sub/tunewick.cfg"_s << Advice::None;
        QTest::newRow("a cfg elsewhere") << u"x/other/cfg/config.cfg"_s << Advice::None;
    }
    void adviceForEachTarget()
    {
        QFETCH(QString, target);
        QFETCH(Advice, advice);
        if (target.startsWith(u"link/"_s))
            SKIP_ON_WINDOWS("a symbolic link");
        QVERIFY(writeFile(home.filePath(u"lib/game/mine.cfg"_s), {}));
        QVERIFY(QFile::exists(home.filePath(u"link"_s))
                || QFile::link(home.filePath(u"lib"_s), home.filePath(u"link"_s)));
        QCOMPARE(SaveGuidance::adviceFor(home.filePath(target), home.filePath(u"lib/game"_s)), advice);
    }

    // "Save to autoexec.cfg" takes the file already there in whatever case it is spelt (the Save
    // command's test saves to a new autoexec.cfg, then over it).
    void autoexecBesideKeepsTheSpellingThere()
    {
        QVERIFY(writeFile(home.filePath(u"cfg/AutoExec.cfg"_s), {}));
        QCOMPARE(SaveGuidance::autoexecBeside(home.filePath(u"cfg/x.cfg"_s)), home.filePath(u"cfg/AutoExec.cfg"_s));
    }
};

QTEST_GUILESS_MAIN(TestSaveGuidance)
#include "test_saveguidance.moc"
