#include "app/AppController.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueTabs.h"
#include "input/PresetFile.h"
#include "support/RowChanges.h"
#include "support/ScriptedPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// File, Open, the Presets menu and File, New, driven through the real main window.
class TestInputCommands : public QObject {
    Q_OBJECT

    ScriptedPrompts *prompts = nullptr;
    AppController *controller = nullptr;
    MainWindow *window = nullptr;
    QTemporaryDir *folder = nullptr; // the data folder, and where configs are written
    int programEnds = 0;

    template<typename T> T *control(const QString &name) const
    {
        T *found = controller->mainWindow()->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    QString writeFile(const QString &name, const QByteArray &text) const
    {
        const QString path = folder->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Some choices made by hand, so that what a command leaves alone can be seen.
    void makeSomeChoices()
    {
        RowAccess &rows = window->rows();
        rows.select(0, RowState::Off);
        rows.select(20, RowState::On);
        rows.setSliderValue(13, 120);
        rows.selectDx(1);
    }

private slots:
    void init()
    {
        folder = new QTemporaryDir;
        QVERIFY(folder->isValid());
        const QDir data(QStringLiteral(TUNEWICK_SOURCE_DATA_DIR));
        for (const QString &file : data.entryList({u"*.cst"_s}, QDir::Files))
            QVERIFY(QFile::copy(data.filePath(file), folder->filePath(file)));
        prompts = new ScriptedPrompts;
        programEnds = 0;
        controller = new AppController(*prompts, folder->path(), [this] { ++programEnds; });
        window = controller->createMainWindow();
        prompts->clearShown(); // the start-up boxes
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    void cleanup()
    {
        if (controller->mainWindow()) {
            prompts->answerYesNo(true);
            controller->mainWindow()->close();
        }
        QTRY_VERIFY(!controller->mainWindow());
        QTest::qWait(0);
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
        delete controller;
        delete prompts;
        delete folder;
    }

    void openMergesAChosenConfig()
    {
        makeSomeChoices();
        const QString path = writeFile(u"mine.cfg"_s, "// mine\ncl_showfps 1\nfov 90\r\nmat_dxlevel 81\nrate 99999\n");
        prompts->answerFile(path);
        window->menuAction(u"open"_s)->trigger();

        QCOMPARE(prompts->shown().size(), 1);
        const ScriptedPrompts::Shown &dialog = prompts->shown().constFirst();
        QCOMPARE(dialog.kind, ScriptedPrompts::Kind::OpenFile);
        QCOMPARE(dialog.request.title, u"Open a config"_s);
        QCOMPARE(dialog.request.filters, (QStringList{u"All Files (*.*)"_s, u".cfg Files (*.cfg)"_s}));
        QCOMPARE(dialog.request.selectedFilter, 1);
        QCOMPARE(dialog.request.fileName, QString());

        QVERIFY(control<QAbstractButton>(u"Option1_33"_s)->isChecked());
        QCOMPARE(control<QSlider>(u"Slider_13"_s)->value(), 90);
        QCOMPARE(control<QSlider>(u"Slider_11"_s)->value(), 50000);
        QVERIFY(control<QAbstractButton>(u"dx_4"_s)->isChecked());
        QVERIFY(!control<QAbstractButton>(u"dx_1"_s)->isChecked());
        // Rows the file does not name keep their state.
        QCOMPARE(changedRows(window->rows()),
                 (QStringList{u"cl_phys_props_enable=Off"_s, u"mat_vsync=On"_s, u"cl_showfps=On"_s, u"rate=50000"_s,
                              u"fov=90"_s, u"mat_dxlevel=81"_s}));

        // The next Open offers the file chosen last; cancelling it changes nothing.
        const QStringList before = changedRows(window->rows());
        window->menuAction(u"open"_s)->trigger();
        QCOMPARE(prompts->shown().size(), 2);
        QCOMPARE(prompts->shown().at(1).request.fileName, path);
        QCOMPARE(changedRows(window->rows()), before);
    }

    void openStaysSilentWhenTheFileCannotBeOpened()
    {
        makeSomeChoices();
        const QStringList before = changedRows(window->rows());
        const QString missing = folder->filePath(u"gone.cfg"_s);
        prompts->answerFile(missing);
        window->menuAction(u"open"_s)->trigger();
        QCOMPARE(changedRows(window->rows()), before);
        QCOMPARE(prompts->shown().size(), 1);

        // A completed dialog is remembered even when its file could not be read.
        window->menuAction(u"open"_s)->trigger();
        QCOMPARE(prompts->shown().size(), 2);
        QCOMPARE(prompts->shown().at(1).request.fileName, missing);
        QCOMPARE(changedRows(window->rows()), before);
    }

    void presetsApplyTheirFiles_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("file");
        QTest::newRow("High Quality") << u"highq"_s << u"highq.cst"_s;
        QTest::newRow("Default") << u"defq"_s << u"defq.cst"_s;
        QTest::newRow("High FPS") << u"hfps"_s << u"hfps.cst"_s;
        QTest::newRow("Die Hard FPS") << u"dhfps"_s << u"dhfps.cst"_s;
    }

    void presetsApplyTheirFiles()
    {
        QFETCH(QString, item);
        QFETCH(QString, file);
        makeSomeChoices();
        QFile data(folder->filePath(file));
        QVERIFY(data.open(QIODevice::ReadOnly));
        const PresetFile::Parsed parsed = PresetFile::parse(data.readAll());
        QVERIFY(std::holds_alternative<QList<PresetFile::Step>>(parsed));

        window->menuAction(item)->trigger();
        QVERIFY(prompts->shown().isEmpty());
        for (const PresetFile::Step &step : std::get<QList<PresetFile::Step>>(parsed)) {
            if (step.item < Catalogue::threeStateCount) {
                const bool on = step.state == RowState::On;
                QVERIFY(control<QAbstractButton>(u"Option1_%1"_s.arg(step.item))->isChecked() == on);
                QVERIFY(control<QAbstractButton>(u"Option0_%1"_s.arg(step.item))->isChecked() == !on);
            } else {
                QCOMPARE(control<QSlider>(u"Slider_%1"_s.arg(step.item - Catalogue::threeStateCount))->value(),
                         step.sliderValue);
            }
        }
        // A preset has no item for the DirectX row.
        QCOMPARE(window->rows().selectedDx(), std::optional<int>(1));

        const QStringList once = changedRows(window->rows());
        window->menuAction(item)->trigger();
        QCOMPARE(changedRows(window->rows()), once);
    }

    void shortPresetSetsOnlyItsRows()
    {
        makeSomeChoices();
        writeFile(u"hfps.cst"_s, "1,1,1,1,1\r\n1,1,1,1,3\r\n");
        window->menuAction(u"hfps"_s)->trigger();
        QVERIFY(prompts->shown().isEmpty());
        QCOMPARE(changedRows(window->rows()),
                 (QStringList{u"cl_phys_props_enable=On"_s, u"cl_ragdoll_physics_enable=On"_s, u"cl_show_splashes=On"_s,
                              u"cl_smooth=On"_s, u"cl_c4dynamiclight=On"_s, u"cl_ejectbrass=On"_s,
                              u"cl_ragdoll_collide=On"_s, u"cl_show_bloodspray=On"_s, u"fog_enable=On"_s,
                              u"fog_enable_water_fog=Off"_s, u"mat_vsync=On"_s, u"fov=120"_s, u"mat_dxlevel=60"_s}));
    }

    void presetSliderValuesStayInRange()
    {
        QByteArray text;
        for (int i = 0; i < Catalogue::threeStateCount; ++i)
            text += "1,";
        text += "0.5000,0,0,0,0,0,0,0,0,0,0,0.40,0.400,-20"; // 5000 > 1000; 40 < 10000; 400 > 300; -20 < 1
        writeFile(u"dhfps.cst"_s, text);
        window->menuAction(u"dhfps"_s)->trigger();
        QVERIFY(prompts->shown().isEmpty());
        QCOMPARE(control<QSlider>(u"Slider_0"_s)->value(), 1000);
        QCOMPARE(control<QSlider>(u"Slider_11"_s)->value(), 10000);
        QCOMPARE(control<QSlider>(u"Slider_12"_s)->value(), 300);
        QCOMPARE(control<QSlider>(u"Slider_13"_s)->value(), 1);
        QCOMPARE(control<QSlider>(u"Slider_3"_s)->value(), 50);
    }

    void malformedPresetChangesNothingAndSaysWhy_data()
    {
        QTest::addColumn<QByteArray>("text"); // empty: no file at all
        QTest::addColumn<QString>("problem");

        QByteArray full;
        for (int i = 0; i < PresetFile::itemCount; ++i)
            full += i < Catalogue::threeStateCount ? "1," : "0,";
        QTest::newRow("missing") << QByteArray() << u"The file cannot be read: "_s;
        QTest::newRow("52 items") << full + "0" << u"The file has more than 51 items."_s;
        QTest::newRow("empty item") << "1,1,,1"_ba << u"Item 3 (cl_show_splashes) is empty."_s;
        QTest::newRow("On at a slider") << full.left(full.size() - 3) + ",1"
                                        << u"Item 51 (fov) is a slider value and must not end in 1 or 3."_s;
        QTest::newRow("slider value at a three-state")
            << "1,1,1,1,1,300"_ba << u"Item 6 (cl_ejectbrass) must end in 1 (On) or 3 (Off)."_s;
        QTest::newRow("not 16 bits") << full.left(full.size() - 2) + "0.70000"
                                     << u"Item 51 (fov) does not hold a whole number from -32768 to 32767."_s;
    }

    void malformedPresetChangesNothingAndSaysWhy()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, problem);
        QFile::remove(folder->filePath(u"highq.cst"_s));
        if (!text.isEmpty())
            writeFile(u"highq.cst"_s, text);
        makeSomeChoices();
        const QStringList before = changedRows(window->rows());

        window->menuAction(u"highq"_s)->trigger();
        QCOMPARE(changedRows(window->rows()), before);
        QCOMPARE(prompts->shown().size(), 1);
        const ScriptedPrompts::Shown &box = prompts->shown().constFirst();
        QCOMPARE(box.kind, ScriptedPrompts::Kind::Inform);
        QCOMPARE(box.title, u"High Quality"_s);
        const QString path = QDir::toNativeSeparators(folder->filePath(u"highq.cst"_s));
        QVERIFY2(box.text.startsWith(u"The preset file %1 was not applied.\n%2"_s.arg(path, problem)),
                 qPrintable(box.text));
    }

    void newAnsweredNoChangesNothing()
    {
        makeSomeChoices();
        const QStringList before = changedRows(window->rows());
        prompts->answerYesNo(false);
        window->menuAction(u"new"_s)->trigger();
        QCOMPARE(prompts->shown().size(), 1);
        const ScriptedPrompts::Shown &box = prompts->shown().constFirst();
        QCOMPARE(box.kind, ScriptedPrompts::Kind::YesNo);
        QCOMPARE(box.title, u"New file"_s);
        QCOMPARE(box.text,
                 u"Are you sure you want to start a new form?\r\n        (current setting will not be saved)"_s);
        QCOMPARE(controller->mainWindow(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(changedRows(window->rows()), before);
    }

    void newThenNoAtTheExitQuestionChangesNothing()
    {
        makeSomeChoices();
        const QStringList before = changedRows(window->rows());
        prompts->answerYesNo(true);
        prompts->answerYesNo(false);
        window->menuAction(u"new"_s)->trigger();
        QCOMPARE(prompts->shown().size(), 2);
        QCOMPARE(prompts->shown().at(1).title, u"Finished?"_s);
        QCOMPARE(prompts->shown().at(1).text, u"Are you sure you want to exit?"_s);
        QTest::qWait(0);
        QCOMPARE(controller->mainWindow(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(changedRows(window->rows()), before);
        QCOMPARE(programEnds, 0);
    }

    void newBringsBackAFreshWindowAlone()
    {
        makeSomeChoices();
        window->catalogueTabs()->setCurrentIndex(3);
        window->menuAction(u"statbar"_s)->trigger();
        window->menuAction(u"times"_s)->setChecked(true);
        window->menuAction(u"arial"_s)->setChecked(false);
        prompts->answerFile(writeFile(u"mine.cfg"_s, "fov 80\n"));
        window->menuAction(u"open"_s)->trigger();
        QWidget other; // stands for the preview or about window
        other.show();

        QPointer<MainWindow> old = window;
        prompts->clearShown();
        prompts->answerYesNo(true);
        prompts->answerYesNo(true);
        old->menuAction(u"new"_s)->trigger();

        QStringList titles;
        for (const ScriptedPrompts::Shown &shown : prompts->shown())
            titles << shown.title;
        // The fresh window greets the user again as it is created.
        QCOMPARE(titles, (QStringList{u"New file"_s, u"Finished?"_s, u"Logo"_s}));
        QVERIFY(prompts->allAnswersUsed());
        QCOMPARE(programEnds, 0);
        window = controller->mainWindow();
        QVERIFY(window);
        QVERIFY(window != old);
        QVERIFY(window->isVisible());
        QVERIFY(!other.isVisible());
        QTRY_VERIFY(!old);
        QVERIFY(QTest::qWaitForWindowExposed(window));

        QCOMPARE(changedRows(window->rows()), QStringList());
        QCOMPARE(window->catalogueTabs()->currentIndex(), 0);
        QVERIFY(window->menuAction(u"statbar"_s)->isChecked());
        QVERIFY(control<QLabel>(u"infolbl"_s)->isVisible());
        QVERIFY(window->menuAction(u"arial"_s)->isChecked());
        QVERIFY(!window->menuAction(u"times"_s)->isChecked());
        QCOMPARE(window->font().family(), u"Arial"_s);

        // The new window's Open dialog has not been used yet.
        window->menuAction(u"open"_s)->trigger();
        QCOMPARE(prompts->shown().constLast().kind, ScriptedPrompts::Kind::OpenFile);
        QCOMPARE(prompts->shown().constLast().request.fileName, QString());

        // New works again from the new window, and closing it still ends the program.
        prompts->answerYesNo(true);
        prompts->answerYesNo(true);
        window->menuAction(u"new"_s)->trigger();
        QVERIFY(controller->mainWindow() && controller->mainWindow() != window);
        QCOMPARE(programEnds, 0);
        prompts->answerYesNo(true);
        controller->mainWindow()->close();
        QCOMPARE(programEnds, 1);
    }
};

QTEST_MAIN(TestInputCommands)
#include "test_inputcommands.moc"
