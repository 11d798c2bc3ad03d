#include "core/catalogue/Catalogue.h"
#include "core/catalogue/RowActions.h"
#include "support/AccessibleEvents.h"
#include "support/AppFixture.h"
#include "support/RowChanges.h"
#include "ui/catalogue/CatalogueTabs.h"
#include "ui/widgets/Twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

// The frame and its row controls, driven through the real window.
class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;
    MainWindow *window = nullptr;

    QAbstractButton *option(int value, int row) const
    {
        return app->control<QAbstractButton>(u"Option%1_%2"_s.arg(value).arg(row));
    }

private slots:
    void init()
    {
        app = std::make_unique<AppFixture>();
        window = app->start();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup() { QVERIFY(app->finish()); }

    void startsWithEveryRowInItsInitialState()
    {
        QCOMPARE(changedRows(window->rows()), QStringList{});
        for (int row = 0; row < Catalogue::threeStateCount; ++row)
            QVERIFY(!option(1, row)->isChecked() && !option(0, row)->isChecked());
        QList<int> sliders;
        for (int k = 0; k < Catalogue::sliderCount; ++k)
            sliders << app->control<QSlider>(u"Slider_%1"_s.arg(k))->value();
        QCOMPARE(sliders, (QList<int>{300, 200, 2048, 500, 400, 1200, 1500, 20, 20, 30, 10000, 25000, 300, 75}));
    }

    void slidersKeepTheirValueWithinRange()
    {
        window->rows().setSliderValue(11, 5); // rate: 10000..50000
        QCOMPARE(window->rows().sliderValue(11), 10000);
        window->rows().setSliderValue(11, 999999);
        QCOMPARE(window->rows().sliderValue(11), 50000);
    }

    void rowsAndDirectXLevelsAreExclusiveAndIndependent()
    {
        QTest::mouseClick(option(1, 5), Qt::LeftButton);
        QCOMPARE(window->rows().rowState(5), RowState::On);
        QTest::mouseClick(option(0, 5), Qt::LeftButton);
        QTest::mouseClick(option(0, 5), Qt::LeftButton); // clicking the selected one keeps it
        window->catalogueTabs()->setCurrentIndex(int(Catalogue::Tab::Other));
        QTest::mouseClick(app->control<QAbstractButton>(u"dx_1"_s), Qt::LeftButton);
        QCOMPARE(changedRows(window->rows()), (QStringList{u"cl_ejectbrass=Off"_s, u"mat_dxlevel=60"_s}));
        QTest::mouseClick(app->control<QAbstractButton>(u"dx_4"_s), Qt::LeftButton);
        QCOMPARE(changedRows(window->rows()), (QStringList{u"cl_ejectbrass=Off"_s, u"mat_dxlevel=81"_s}));
        QVERIFY(!app->control<QAbstractButton>(u"dx_1"_s)->isChecked());
    }

    void menuCaptionsInOrderAndTheDivider()
    {
        QStringList captions;
        for (QAction *top : window->menuBar()->actions()) {
            captions << top->text();
            for (QAction *item : top->menu() ? top->menu()->actions() : QList<QAction *>{})
                captions << u"  "_s + item->text();
        }
        QCOMPARE(captions,
                 (QStringList{u"&File"_s, u"  New"_s, u"  Open"_s, u"  Save"_s, u"  Exit"_s, u"&Options"_s,
                              u"  Font: Arial"_s, u"  Font: Times New Roman"_s, u"  Font: Courier New"_s,
                              u"  --------------"_s, u"  Preview"_s, u"  Status Bar"_s, u"Update"_s, u"&Presets"_s,
                              u"  High Quality"_s, u"  Default"_s, u"  High FPS"_s, u"  Die Hard FPS"_s, u"&About"_s}));

        // "--------------" is an ordinary item that does nothing.
        const QSize size = window->size();
        QVERIFY(window->menuAction(u"err"_s)->isEnabled());
        app->trigger(u"err"_s);
        QVERIFY(app->prompts.shown().isEmpty() && window->isVisible() && window->size() == size);
        QCOMPARE(changedRows(window->rows()), QStringList{});
    }

    void statusBarTogglesTheDescriptionArea()
    {
        auto *info = app->control<QLabel>(u"infolbl"_s);
        const QPoint position = window->pos();
        const int width = window->width();
        const QSize shown(Twips::toPixels(6735), Twips::toPixels(8415));
        QCOMPARE(window->centralWidget()->size(), shown);

        app->trigger(u"statbar"_s);
        QVERIFY(!info->isVisible() && !window->menuAction(u"statbar"_s)->isChecked());
        QTRY_COMPARE(window->centralWidget()->size(), QSize(shown.width(), Twips::toPixels(8415 - 975)));

        app->trigger(u"statbar"_s);
        QVERIFY(info->isVisible() && window->menuAction(u"statbar"_s)->isChecked());
        QTRY_COMPARE(window->centralWidget()->size(), shown);
        QVERIFY(window->width() == width && window->pos() == position);
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
        const auto close = [&] { viaExit ? app->trigger(u"exit"_s) : void(window->close()); };

        window->rows().select(3, RowState::On);
        app->prompts.answerYesNo(false);
        close();
        QCOMPARE(app->prompts.shown().size(), 1);
        const ScriptedPrompts::Shown &asked = app->prompts.shown().constFirst();
        QVERIFY(asked.kind == ScriptedPrompts::Kind::YesNo);
        QCOMPARE(asked.title + u": "_s + asked.text, u"Finished?: Are you sure you want to exit?"_s);
        QVERIFY(window->isVisible() && other.isVisible());
        QCOMPARE(window->rows().rowState(3), RowState::On);
        QCOMPARE(app->programEnds, 0);

        app->prompts.answerYesNo(true);
        close();
        QTRY_VERIFY(!app->window());
        QVERIFY(!other.isVisible());
        QCOMPARE(app->programEnds, 1);
    }

    void sliderShowsItsValueAtItsHandle_data()
    {
        QTest::addColumn<QString>("input"); // keys, a drag or a hover
        QTest::addColumn<QString>("tip");   // none: the value the drag left
        QTest::newRow("Left") << u"Left"_s << u"fps_max 295"_s;
        QTest::newRow("PgDown") << u"PgDown"_s << u"fps_max 290"_s;
        QTest::newRow("Home") << u"Home"_s << u"fps_max 1"_s;
        QTest::newRow("drag") << u"drag"_s << QString();
        QTest::newRow("hover") << u"hover"_s << u"fps_max 300"_s;
    }
    void sliderShowsItsValueAtItsHandle()
    {
        QFETCH(QString, input);
        QFETCH(QString, tip);
        window->catalogueTabs()->setCurrentIndex(int(Catalogue::Tab::Ping));
        auto *slider = app->control<QSlider>(u"Slider_12"_s); // fps_max, 1..300, at 300
        const QPoint middle(slider->width() / 2, slider->height() / 2);
        QCursor::setPos(0, 0); // far from the handle
        AccessibleEvents::take(slider);
        if (input == u"drag"_s) {
            QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(slider->width() - 3, middle.y()));
            QTest::mouseMove(slider, middle);
            tip = u"fps_max %1"_s.arg(slider->value());
            QVERIFY(slider->value() < 300);
        } else if (input == u"hover"_s) {
            QHelpEvent hover(QEvent::ToolTip, middle, slider->mapToGlobal(middle));
            QApplication::sendEvent(slider, &hover);
        } else {
            QTest::keySequence(slider, QKeySequence(input));
        }
        QTRY_COMPARE(QToolTip::text(), tip);
        const QRect area(slider->mapToGlobal(QPoint()), slider->size()); // the handle, give or take its width:
        const QPoint handle(area.left() + area.width() * (slider->value() - 1) / 299, area.center().y());
        QList<QWidget *> tips = QApplication::topLevelWidgets();
        tips.removeIf([](QWidget *w) { return !w->inherits("QTipLabel") || !w->isVisible(); });
        QCOMPARE(tips.size(), 1);
        QVERIFY((tips[0]->pos() - handle).manhattanLength() < 40);
        // Qt tells screen readers of each change of value, and of none on hovering.
        QCOMPARE(AccessibleEvents::take(slider).contains(QAccessible::ValueChanged), input != u"hover"_s);
        if (input == u"drag"_s)
            QTest::mouseRelease(slider, Qt::LeftButton, {}, middle);
        QToolTip::hideText();
    }

    // Each shortcut triggers its menu item, confirmations included.
    void shortcuts_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("New") << u"new"_s << QKeySequence(QKeySequence::New);
        QTest::newRow("Open") << u"open"_s << QKeySequence(QKeySequence::Open);
        QTest::newRow("Save") << u"inst"_s << QKeySequence(QKeySequence::Save);
        QTest::newRow("Exit") << u"exit"_s
                              << QKeySequence::keyBindings(QKeySequence::Quit).value(0, QKeySequence(u"Ctrl+Q"_s));
        QTest::newRow("Preview") << u"prv"_s << QKeySequence(u"Ctrl+Shift+P"_s);
    }
    void shortcuts()
    {
        QFETCH(QString, item);
        QFETCH(QKeySequence, keys);
        const auto effect = [this] {
            QStringList seen;
            for (const ScriptedPrompts::Shown &shown : app->prompts.shown())
                seen << shown.title;
            app->prompts.clearShown();
            for (QWidget *other : QApplication::topLevelWidgets()) {
                if (other != window && other->isVisible() && other->close())
                    seen << other->objectName();
            }
            return seen;
        };
        app->trigger(item);
        const QStringList viaMenu = effect();
        QVERIFY(!viaMenu.isEmpty());
        QTest::keySequence(window, keys);
        QCOMPARE(effect(), viaMenu);
    }

    void everyControlWithoutTextHasAnAccessibleName()
    {
        QCOMPARE(option(1, 33)->accessibleName(), u"cl_showfps On"_s);
        QCOMPARE(app->control<QWidget>(u"default_103"_s)->accessibleName(), u"Reset fov"_s);
        QCOMPARE(app->control<QWidget>(u"dxbutton"_s)->accessibleName(), u"Reset mat_dxlevel"_s);
        QCOMPARE(app->control<QWidget>(u"Slider_13"_s)->accessibleName(), u"fov"_s);
        for (QAbstractButton *button : window->catalogueTabs()->findChildren<QAbstractButton *>())
            QVERIFY2(!button->text().isEmpty() || !button->accessibleName().isEmpty(),
                     qPrintable(button->objectName()));
    }

    // Every shipped description fits the Status Bar whole, word-wrapped, in each display face.
    void everyDescriptionFitsTheStatusBar()
    {
        auto *info = app->control<QLabel>(u"infolbl"_s);
        for (const QString &face : {u"arial"_s, u"times"_s, u"courier"_s}) {
            app->trigger(face);
            for (int slot = 0; slot < Catalogue::descriptionSlotCount; ++slot) {
                info->setText(RowActions::descriptionText(window->tables(), slot));
                QVERIFY2(info->heightForWidth(info->width()) <= info->height(),
                         qPrintable(u"%1, slot %2"_s.arg(face).arg(slot)));
            }
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
