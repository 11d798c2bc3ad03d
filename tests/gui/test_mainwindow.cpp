#include "app/AppController.h"
#include "app/MainWindow.h"
#include "app/Twips.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueTabs.h"
#include "support/ScriptedPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMainWindow : public QObject {
    Q_OBJECT

    ScriptedPrompts *prompts = nullptr;
    AppController *controller = nullptr;
    MainWindow *window = nullptr;
    int programEnds = 0;

    template<typename T> T *control(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QAbstractButton *option(int value, int row) const
    {
        return control<QAbstractButton>(u"Option%1_%2"_s.arg(value).arg(row));
    }
    QSize clientSize() const { return window->centralWidget()->size(); }

private slots:
    void init()
    {
        prompts = new ScriptedPrompts;
        programEnds = 0;
        controller = new AppController(*prompts, QStringLiteral(TUNEWICK_BUILD_DATA_DIR), [this] { ++programEnds; });
        window = controller->createMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        prompts->clearShown(); // the start-up box
    }

    void cleanup()
    {
        if (controller->mainWindow()) {
            prompts->answerYesNo(true);
            controller->mainWindow()->close();
        }
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty() || !controller->mainWindow());
        QTest::qWait(0);
        delete controller;
        delete prompts;
    }

    void startsWithEveryRowInItsInitialState()
    {
        RowAccess &rows = window->rows();
        for (int row = 0; row < Catalogue::threeStateCount; ++row) {
            QCOMPARE(rows.rowState(row), RowState::Default);
            QVERIFY(!option(1, row)->isChecked());
            QVERIFY(!option(0, row)->isChecked());
        }
        QCOMPARE(rows.selectedDx(), std::nullopt);
        QList<int> sliders;
        for (int k = 0; k < Catalogue::sliderCount; ++k)
            sliders << control<QSlider>(u"Slider_%1"_s.arg(k))->value();
        QCOMPARE(sliders, (QList<int>{300, 200, 2048, 500, 400, 1200, 1500, 20, 20, 30, 10000, 25000, 300, 75}));
        QCOMPARE(window->catalogueTabs()->currentIndex(), 0);
    }

    void namesAreTheConsoleVariables()
    {
        for (const Catalogue::Setting &s : Catalogue::settings()) {
            const QString objectName = s.kind == Catalogue::Kind::DirectX ? u"dxcmd"_s : u"cmd_%1"_s.arg(s.rowIndex);
            QCOMPARE(control<QLabel>(objectName)->text(), QString::fromLatin1(s.name));
        }
        QCOMPARE(window->rows().caption(103), u"fov"_s);
        QCOMPARE(window->rows().dxCaption(), u"mat_dxlevel"_s);
    }

    void rowsAreExclusiveAndIndependent()
    {
        QTest::mouseClick(option(1, 5), Qt::LeftButton); // not visible: tab 0 holds row 5, so it is
        QCOMPARE(window->rows().rowState(5), RowState::On);
        QTest::mouseClick(option(0, 5), Qt::LeftButton);
        QCOMPARE(window->rows().rowState(5), RowState::Off);
        QVERIFY(!option(1, 5)->isChecked());
        for (int row = 0; row < Catalogue::threeStateCount; ++row) {
            if (row != 5)
                QCOMPARE(window->rows().rowState(row), RowState::Default);
        }
        // Clicking the selected button again keeps it selected.
        QTest::mouseClick(option(0, 5), Qt::LeftButton);
        QCOMPARE(window->rows().rowState(5), RowState::Off);
    }

    void directXLevelsFormOneGroup()
    {
        window->catalogueTabs()->setCurrentIndex(int(Catalogue::Tab::Other));
        QTest::mouseClick(control<QAbstractButton>(u"dx_1"_s), Qt::LeftButton);
        QCOMPARE(window->rows().selectedDx(), std::optional<int>(1));
        QTest::mouseClick(control<QAbstractButton>(u"dx_4"_s), Qt::LeftButton);
        QCOMPARE(window->rows().selectedDx(), std::optional<int>(4));
        QVERIFY(!control<QAbstractButton>(u"dx_1"_s)->isChecked());
        for (int row = 30; row < 37; ++row)
            QCOMPARE(window->rows().rowState(row), RowState::Default);
    }

    void slidersKeepWithinTheirRange()
    {
        auto *slider = control<QSlider>(u"Slider_11"_s);
        window->rows().setSliderValue(11, 5);
        QCOMPARE(slider->value(), 10000);
        window->rows().setSliderValue(11, 999999);
        QCOMPARE(slider->value(), 50000);
        QCOMPARE(slider->singleStep(), 1000);
        QCOMPARE(slider->pageStep(), 5000);
        QCOMPARE(slider->tickInterval(), 5000);
        window->catalogueTabs()->setCurrentIndex(int(Catalogue::Tab::Ping));
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Left);
        QCOMPARE(slider->value(), 49000);
    }

    void initialisationSetsTitleTextsAndChecks()
    {
        QCOMPARE(window->windowTitle(), u"Tunewick 1.5"_s);
        QCOMPARE(control<QLabel>(u"downlabel"_s)->text(), u"Tunewick 1.5"_s);
        QCOMPARE(control<QLabel>(u"infolbl"_s)->text(),
                 u"Command: (cvar name here)\r\nDescription: (description here)"_s);
        QVERIFY(window->menuAction(u"statbar"_s)->isChecked());
        QVERIFY(window->menuAction(u"arial"_s)->isChecked());
        QVERIFY(!window->menuAction(u"times"_s)->isChecked());
        QVERIFY(!window->menuAction(u"courier"_s)->isChecked());
    }

    void menuBarHasEveryCaptionInOrder()
    {
        QStringList captions;
        for (QAction *top : window->menuBar()->actions()) {
            captions << top->text();
            if (top->menu()) {
                for (QAction *item : top->menu()->actions())
                    captions << u"  "_s + item->text();
            }
        }
        QCOMPARE(captions, (QStringList{"&File", "  New", "  Open", "  Save", "  Exit", "&Options", "  Font: Arial",
                                        "  Font: Times New Roman", "  Font: Courier New", "  --------------",
                                        "  Preview", "  Status Bar", "Update", "&Presets", "  High Quality",
                                        "  Default", "  High FPS", "  Die Hard FPS", "&About"}));
        QVERIFY(window->menuAction(u"err"_s)->isEnabled());
        QVERIFY(!window->menuAction(u"err"_s)->isCheckable());
    }

    void dividerItemDoesNothing()
    {
        const QSize before = window->size();
        window->menuAction(u"err"_s)->trigger();
        QVERIFY(prompts->shown().isEmpty());
        QCOMPARE(window->size(), before);
        QVERIFY(window->isVisible());
        QCOMPARE(control<QLabel>(u"infolbl"_s)->text(),
                 u"Command: (cvar name here)\r\nDescription: (description here)"_s);
    }

    void statusBarTogglesTheDescriptionArea()
    {
        auto *info = control<QLabel>(u"infolbl"_s);
        const QPoint position = window->pos();
        const int width = window->width();
        QCOMPARE(clientSize(), QSize(Twips::toPixels(6735), Twips::toPixels(8415)));

        window->menuAction(u"statbar"_s)->trigger();
        QVERIFY(!info->isVisible());
        QVERIFY(!window->menuAction(u"statbar"_s)->isChecked());
        QTRY_COMPARE(clientSize(), QSize(Twips::toPixels(6735), Twips::toPixels(8415 - 975)));

        info->setText(u"written while hidden"_s);
        window->menuAction(u"statbar"_s)->trigger();
        QVERIFY(info->isVisible());
        QVERIFY(window->menuAction(u"statbar"_s)->isChecked());
        QTRY_COMPARE(clientSize(), QSize(Twips::toPixels(6735), Twips::toPixels(8415)));
        QCOMPARE(info->text(), u"written while hidden"_s);
        QCOMPARE(window->width(), width);
        QCOMPARE(window->pos(), position);
    }

    void windowCannotBeResized()
    {
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    }

    void closing_data()
    {
        QTest::addColumn<bool>("viaExit");
        QTest::newRow("Exit item") << true;
        QTest::newRow("close button") << false;
    }

    void closing()
    {
        QFETCH(bool, viaExit);
        QWidget other; // stands for the preview or about window
        other.show();
        auto close = [&] {
            if (viaExit)
                window->menuAction(u"exit"_s)->trigger();
            else
                window->close();
        };

        window->rows().select(3, RowState::On);
        prompts->answerYesNo(false);
        close();
        QCOMPARE(prompts->shown().size(), 1);
        const ScriptedPrompts::Shown &asked = prompts->shown().constFirst();
        QCOMPARE(asked.kind, ScriptedPrompts::Kind::YesNo);
        QCOMPARE(asked.title, u"Finished?"_s);
        QCOMPARE(asked.text, u"Are you sure you want to exit?"_s);
        QVERIFY(window->isVisible());
        QVERIFY(other.isVisible());
        QCOMPARE(window->rows().rowState(3), RowState::On);
        QCOMPARE(programEnds, 0);

        prompts->answerYesNo(true);
        close();
        QTRY_VERIFY(!controller->mainWindow());
        QVERIFY(!other.isVisible());
        QCOMPARE(programEnds, 1);
        QCOMPARE(prompts->unscripted(), 0);
    }

    void everyControlWithoutTextHasAnAccessibleName()
    {
        QCOMPARE(option(1, 33)->accessibleName(), u"cl_showfps On"_s);
        QCOMPARE(option(0, 33)->accessibleName(), u"cl_showfps Off"_s);
        QCOMPARE(control<QAbstractButton>(u"default_33"_s)->accessibleName(), u"Reset cl_showfps"_s);
        QCOMPARE(control<QAbstractButton>(u"default_103"_s)->accessibleName(), u"Reset fov"_s);
        QCOMPARE(control<QAbstractButton>(u"dxbutton"_s)->accessibleName(), u"Reset mat_dxlevel"_s);
        QCOMPARE(control<QSlider>(u"Slider_13"_s)->accessibleName(), u"fov"_s);
        for (QAbstractButton *button : window->catalogueTabs()->findChildren<QAbstractButton *>())
            QVERIFY2(!button->text().isEmpty() || !button->accessibleName().isEmpty(),
                     qPrintable(button->objectName()));
    }

    void tabOrderFollowsTheRows()
    {
        // From row 0's reset button, Tab walks row 0's controls, then row 1's. A row's two
        // options are one stop: the arrow keys move between them.
        auto *first = control<QWidget>(u"default_0"_s);
        first->setFocus();
        QStringList visited;
        for (int i = 0; i < 6; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{"default_0", "Option1_0", "cmd_0", "default_1", "Option1_1", "cmd_1"}));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
