#include "core/catalogue/Catalogue.h"
#include "core/input/GameConfigFolder.h"
#include "core/input/PresetFile.h"
#include "support/AppFixture.h"
#include "support/FakeRows.h"
#include "support/RowChanges.h"
#include "ui/catalogue/CatalogueTabs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// File, Open, the Presets menu and File, New, driven through the real main window.
class TestInputCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;
    // The choices made by hand before each test, so that what a command leaves alone can be seen.
    const QString choices = u"cl_phys_props_enable=Off mat_vsync=On fov=120 mat_dxlevel=60"_s;

    RowAccess &rows() const { return app->window()->rows(); }
    QString state() const { return changedRows(rows()).join(u' '); }
    QStringList titlesShown() const
    {
        QStringList titles;
        for (const ScriptedPrompts::Shown &shown : app->prompts.shown())
            titles << shown.title;
        return titles;
    }
    static qsizetype windowsShown()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::count_if(windows.begin(), windows.end(), [](QWidget *w) { return w->isVisible(); });
    }
    QString write(const QString &name, const QByteArray &text) const
    {
        QFile file(app->dataPath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

private slots:
    void init()
    {
        app = std::make_unique<AppFixture>();
        app->start();
        rows().select(0, RowState::Off);
        rows().select(20, RowState::On);
        rows().setSliderValue(13, 120);
        rows().selectDx(1);
    }
    void cleanup() { QVERIFY(app->finish()); }

    void openMergesAChosenConfig()
    {
        const QString path = write(u"mine.cfg"_s, "// mine\ncl_showfps 1\nfov 90\r\nmat_dxlevel 81\nrate 99999\n");
        app->prompts.answerFile(path);
        app->trigger(u"open"_s);
        const FileDialogRequest request = app->prompts.shown().constFirst().request;
        QCOMPARE(request.title, u"Open a config"_s);
        QCOMPARE(request.filters, (QStringList{u"All Files (*.*)"_s, u".cfg Files (*.cfg)"_s}));
        QCOMPARE(request.selectedFilter, 1);
        QCOMPARE(request.fileName, QString());
        const QString merged =
            u"cl_phys_props_enable=Off mat_vsync=On cl_showfps=On rate=50000 fov=90 mat_dxlevel=81"_s;
        QCOMPARE(state(), merged);

        // The next Open offers the file chosen last; cancelling it says nothing.
        app->trigger(u"open"_s);
        QCOMPARE(app->prompts.shown().at(1).request.fileName, path);
        QCOMPARE(app->prompts.shown().size(), 2);
        QCOMPARE(state(), merged);
    }

    void configDialogsStartInTheGameFolderUntilAFileIsChosenInThem()
    {
        QTemporaryDir dataHome; // where the window's lookup finds Steam first
        const QString game = dataHome.filePath(u"Steam/"_s + QString::fromUtf16(GameConfigFolder::inLibrary));
        QVERIFY(QDir().mkpath(game));
        const std::optional<QByteArray> oldDataHome =
            qEnvironmentVariableIsSet("XDG_DATA_HOME") ? std::optional(qgetenv("XDG_DATA_HOME")) : std::nullopt;
        const auto restore =
            qScopeGuard([&] { oldDataHome ? qputenv("XDG_DATA_HOME", *oldDataHome) : qunsetenv("XDG_DATA_HOME"); });
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));

        app->prompts.answerFile(write(u"mine.cfg"_s, "fov 90\n"));
        app->trigger(u"open"_s);
        app->trigger(u"open"_s);
        app->trigger(u"inst"_s);
        QStringList startFolders;
        for (const ScriptedPrompts::Shown &shown : app->prompts.shown())
            startFolders << shown.request.startFolder;
        const QString canonical = QFileInfo(game).canonicalFilePath();
        QCOMPARE(startFolders, (QStringList{canonical, QString(), canonical}));
    }

    void shippedPresets_data()
    {
        QTest::addColumn<QString>("item");
        for (const QString &item : {u"highq"_s, u"defq"_s, u"hfps"_s, u"dhfps"_s})
            QTest::newRow(qPrintable(item)) << item;
    }
    void shippedPresets()
    {
        QFETCH(QString, item);
        const PresetFile::Parsed parsed = PresetFile::readFile(app->dataPath(item + u".cst"_s));
        QVERIFY(std::holds_alternative<QList<PresetFile::Step>>(parsed));
        const QList<PresetFile::Step> &steps = std::get<QList<PresetFile::Step>>(parsed);
        QCOMPARE(steps.size(), PresetFile::itemCount);
        QFile sldef(app->dataPath(u"sldef.cst"_s));
        QVERIFY(sldef.open(QIODevice::ReadOnly));
        const QList<QByteArray> resetValues = sldef.readAll().split('\n');

        // Default is the reset state. No item sets the DirectX level.
        const bool isDefault = item == u"defq"_s;
        FakeRows expected;
        expected.selectDx(1);
        for (const PresetFile::Step &step : steps) {
            const int k = step.item - Catalogue::threeStateCount;
            if (k < 0) {
                expected.select(step.item, step.state);
                if (isDefault)
                    QCOMPARE(step.state == RowState::On,
                             Catalogue::threeStateRow(step.item).reset == Catalogue::Reset::On);
                continue;
            }
            const Catalogue::SliderRange &slider = Catalogue::sliderRow(k).slider;
            QVERIFY(step.sliderValue >= slider.min && step.sliderValue <= slider.max);
            expected.setSliderValue(k, step.sliderValue);
            if (isDefault)
                QCOMPARE(step.sliderValue, resetValues.value(k).trimmed().toInt());
        }
        for (int twice = 0; twice < 2; ++twice) {
            app->trigger(item);
            QCOMPARE(state(), changedRows(expected).join(u' '));
        }
        QVERIFY(app->prompts.shown().isEmpty());
    }

    // "%on" stands for 37 items of 1, and for the 37 rows they turn On.
    void presetFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("problem"); // empty: the file is applied
        QTest::newRow("short file, lines, blanks, quotes")
            << "1,3,\"1\" \r\n  3\n\n1"_ba
            << u"cl_phys_props_enable=On cl_ragdoll_physics_enable=Off cl_show_splashes=On cl_smooth=Off "
               "cl_c4dynamiclight=On mat_vsync=On fov=120 mat_dxlevel=60"_s
            << QString();
        QTest::newRow("slider items, beyond their ranges")
            << "%on0.5000,2,7.90,\"a,b.40\",0.400,0.1200,0.1500,0.20,0.20,0.30,0.10000,0.40,0.0,-20"_ba
            << u"%on cl_phys_props_max=1000 mp_decals=0 r_decals=90 r_dispradius=50 rate=10000 fps_max=1 fov=1 "
               "mat_dxlevel=60"_s
            << QString();
        const auto malformed = [this](const char *tag, const QByteArray &text, const QString &problem) {
            QTest::newRow(tag) << text << choices << problem;
        };
        malformed("missing", "(no file)", u"The file cannot be read: "_s);
        malformed("52 items", "%on0,0,0,0,0,0,0,0,0,0,0,0,0,0,0", u"The file has more than 51 items."_s);
        malformed("empty item", "1,1,,1,", u"Item 3 (cl_show_splashes) is empty."_s);
        malformed("slider at a three-state", "1,1,1,1,1,300",
                  u"Item 6 (cl_ejectbrass) must end in 1 (On) or 3 (Off)."_s);
        malformed("2 at a three-state", "2", u"Item 1 (cl_phys_props_enable) must end in 1 (On) or 3 (Off)."_s);
        malformed("On at a slider", "%on0.301",
                  u"Item 38 (cl_phys_props_max) is a slider value and must not end in 1 or 3."_s);
        malformed("no kind digit", "on", u"Item 1 (cl_phys_props_enable) does not end in a digit."_s);
        const QString notWhole = u"Item 38 (cl_phys_props_max) does not hold a whole number from -32768 to 32767."_s;
        malformed("beyond 16 bits", "%on0.40000", notWhole);
        malformed("no number", "%onx.1e5", notWhole);
        malformed("closing quote on a later line", "1,\"3\r\n\",1",
                  u"Item 2 (cl_ragdoll_physics_enable) has no closing quote."_s);
        malformed("text after the closing quote", "\"3\"1",
                  u"Item 1 (cl_phys_props_enable) has text after its closing quote."_s);
    }
    void presetFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, rows);
        QFETCH(QString, problem);
        QStringList allOn;
        for (int row = 0; row < Catalogue::threeStateCount; ++row)
            allOn << this->rows().caption(row) + u"=On"_s;
        const QString path = app->dataPath(u"hfps.cst"_s);
        QFile::remove(path);
        if (text != "(no file)")
            write(u"hfps.cst"_s, text.replace("%on", QByteArray("1,").repeated(Catalogue::threeStateCount)));

        app->trigger(u"hfps"_s);
        QCOMPARE(state(), QString(rows).replace(u"%on"_s, allOn.join(u' ')));
        QCOMPARE(titlesShown(), problem.isEmpty() ? QStringList() : QStringList{u"High FPS"_s});
        if (problem.isEmpty())
            return;
        const QString box = app->prompts.shown().constFirst().text;
        QVERIFY2(
            box.startsWith(u"The preset file %1 was not applied.\n%2"_s.arg(QDir::toNativeSeparators(path), problem)),
            qPrintable(box));
    }

    void newKeepsTheWindowUnlessBothAnswersAreYes()
    {
        MainWindow *window = app->window();
        app->prompts.answerYesNo(false);
        app->trigger(u"new"_s);
        app->prompts.answerYesNo(true);
        app->prompts.answerYesNo(false);
        app->trigger(u"new"_s);
        QTest::qWait(0);
        QCOMPARE(titlesShown(), (QStringList{u"New file"_s, u"New file"_s, u"Finished?"_s}));
        QCOMPARE(app->prompts.shown()[0].text,
                 u"Are you sure you want to start a new form?\r\n        (current setting will not be saved)"_s);
        QCOMPARE(app->window(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(state(), choices);
        QCOMPARE(app->programEnds, 0);
    }

    void newYesYesBringsBackAFreshWindowAlone()
    {
        QPointer<MainWindow> old = app->window();
        old->catalogueTabs()->setCurrentIndex(3);
        app->trigger(u"statbar"_s);
        old->menuAction(u"times"_s)->trigger();
        app->prompts.answerFile(write(u"mine.cfg"_s, "fov 80\n"));
        app->trigger(u"open"_s);
        app->trigger(u"prv"_s);
        app->trigger(u"about"_s);
        QCOMPARE(windowsShown(), 3);

        app->prompts.clearShown();
        app->prompts.answerYesNo(true);
        app->prompts.answerYesNo(true);
        app->trigger(u"new"_s);
        // The fresh window greets the user again as it is created.
        QCOMPARE(titlesShown(), (QStringList{u"New file"_s, u"Finished?"_s, u"Logo"_s}));
        QVERIFY(app->window() && app->window() != old);
        QTRY_VERIFY(!old);
        QTRY_COMPARE(windowsShown(), 1); // the new main window alone
        QCOMPARE(state(), QString());
        QCOMPARE(app->window()->catalogueTabs()->currentIndex(), 0);
        QVERIFY(app->window()->menuAction(u"statbar"_s)->isChecked());
        QVERIFY(app->control<QLabel>(u"infolbl"_s)->isVisible());
        QVERIFY(app->window()->menuAction(u"arial"_s)->isChecked());
        QCOMPARE(app->window()->font().family(), u"Arial"_s);
        app->trigger(u"open"_s); // this window has no file chosen yet
        QCOMPARE(app->prompts.shown().constLast().request.fileName, QString());

        QVERIFY(app->finish());
        QCOMPARE(app->programEnds, 1);
    }
};

QTEST_MAIN(TestInputCommands)
#include "test_opencommand.moc"
