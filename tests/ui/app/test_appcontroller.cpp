#include "core/app/BuildInfo.h"
#include "core/catalogue/RowActions.h"
#include "support/AccessibleEvents.h"
#include "support/AppFixture.h"
#include "support/RowChanges.h"
#include "ui/catalogue/CatalogueTabs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>

using namespace Qt::StringLiterals;

// Creating the main window with its data, the row actions, the fonts and the about window.
class TestStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;
    MainWindow *window = nullptr;

    void create()
    {
        window = app->controller.createMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    QString info() const { return app->control<QLabel>(u"infolbl"_s)->text(); }
    QString description(int slot) const { return RowActions::descriptionText(window->tables(), slot); }
    // What a screen reader reads as the control's description.
    QString spoken(const QString &name) const
    {
        return QAccessible::queryAccessibleInterface(app->control<QWidget>(name))->text(QAccessible::Description);
    }
    // Clicks a row control on its own tab, as the user would.
    void click(const QString &name)
    {
        QWidget *widget = app->control<QWidget>(name);
        QTabWidget *tabs = window->catalogueTabs();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            if (tabs->widget(tab)->isAncestorOf(widget))
                tabs->setCurrentIndex(tab);
        }
        QVERIFY(widget->isVisible());
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    QList<QWidget *> aboutWindows() const
    {
        QList<QWidget *> found = QApplication::topLevelWidgets();
        found.removeIf([](QWidget *w) { return w->objectName() != u"aboutfr"_s || !w->isVisible(); });
        return found;
    }

private slots:
    void init()
    {
        app = std::make_unique<AppFixture>();
        create();
    }
    void cleanup() { QVERIFY(app->finish() && QApplication::topLevelWidgets().isEmpty()); }

    void eachCreationShowsTheLogoBoxAndPlaysTheSound()
    {
        for (int creation = 1; creation <= 2; ++creation) {
            QCOMPARE(app->prompts.shown().size(), 1);
            const ScriptedPrompts::Shown &logo = app->prompts.shown().constFirst();
            QVERIFY(logo.kind == ScriptedPrompts::Kind::Inform && logo.title == u"Logo"_s);
            QVERIFY(logo.text.startsWith(u"Tunewick "_s));
            QVERIFY(logo.text.endsWith(u" "_s + QString::fromUtf8(BuildInfo::contactEmail)
                                       + u"\r\nThanks! Your help is very appreciated!"_s));
            QCOMPARE(app->sound.plays, creation);
            QCOMPARE(window->windowTitle(), u"Tunewick 1.5"_s);
            QCOMPARE(app->control<QLabel>(u"downlabel"_s)->text(), u"Tunewick 1.5"_s);
            QCOMPARE(info(), u"Command: (cvar name here)\r\nDescription: (description here)"_s);
            QCOMPARE(spoken(u"infolbl"_s), info());
            QCOMPARE(spoken(u"cmd_103"_s), description(51));
            QVERIFY(app->control<QLabel>(u"infolbl"_s)->isVisible());
            for (const QString &item : {u"statbar"_s, u"arial"_s, u"times"_s, u"courier"_s})
                QCOMPARE(window->menuAction(item)->isChecked(), item == u"statbar"_s || item == u"arial"_s);
            QCOMPARE(changedRows(window->rows()), QStringList{});

            // Change what creation sets, then create the window again as New does.
            app->trigger(u"statbar"_s);
            app->trigger(u"courier"_s);
            click(u"cmd_0"_s);
            window->rows().select(3, RowState::On);
            QVERIFY(app->finish());
            app->prompts.clearShown();
            create();
        }
    }

    void dataProblemsAreToldInOneBoxAndTheWindowWorks()
    {
        QVERIFY(app->finish());
        QVERIFY(QFile::remove(app->dataPath(u"desc.cst"_s)));
        QFile sldef(app->dataPath(u"sldef.cst"_s));
        QVERIFY(sldef.open(QIODevice::WriteOnly) && sldef.write("300\r\n200\r\n2048\r\nabc\r\n") > 0);
        sldef.close();
        app->prompts.clearShown();
        create();

        QCOMPARE(app->prompts.shown().size(), 2); // after the logo box
        const ScriptedPrompts::Shown &box = app->prompts.shown()[1];
        QCOMPARE(box.title, u"Data files"_s);
        for (const QString &problem : {u"desc.cst: cannot be read"_s, u"sldef.cst: line 4 (r_dispradius) is \"abc\""_s,
                                       u"sldef.cst: line 14 (fov) is missing"_s})
            QVERIFY2(box.text.contains(QDir::toNativeSeparators(app->dataPath(problem))), qPrintable(box.text));

        click(u"cmd_90"_s);
        QCOMPARE(info(), u"\r\n\r\n"_s);
        window->rows().setSliderValue(3, 700);
        window->rows().setSliderValue(1, 700);
        click(u"default_93"_s); // its entry is bad: the slider stays
        click(u"default_91"_s);
        click(u"default_0"_s);
        QCOMPARE(changedRows(window->rows()), (QStringList{u"cl_phys_props_enable=On"_s, u"r_dispradius=700"_s}));
    }

    // Screen readers hear the same: each label's description, and each text the Status Bar shows.
    void nameLabelsShowTheirDescription()
    {
        auto *infoLabel = app->control<QLabel>(u"infolbl"_s);
        for (const auto &[label, slot] : {std::pair{u"cmd_0"_s, 0},
                                          {u"cmd_36"_s, 36},
                                          {u"dxcmd"_s, 37},
                                          {u"cmd_90"_s, 38},
                                          {u"cmd_103"_s, 51},
                                          {u"cmd_103"_s, 51}}) {
            QCOMPARE(spoken(label), description(slot));
            AccessibleEvents::take(infoLabel);
            click(label);
            QCOMPARE(info(), description(slot));
            QCOMPARE(info().section(u"\r\n"_s, 0, 0), u"Command: "_s + app->control<QLabel>(label)->text());
            QCOMPARE(spoken(u"infolbl"_s), info());
            QVERIFY(AccessibleEvents::take(infoLabel).contains(QAccessible::DescriptionChanged));
        }
        QCOMPARE(app->control<QLabel>(u"infolbl"_s)->textFormat(), Qt::PlainText);
    }

    void resetButtons()
    {
        window->rows().select(32, RowState::On);
        window->rows().select(36, RowState::Off);
        window->rows().setSliderValue(13, 1);
        for (const QString &button : {u"default_32"_s, u"default_36"_s, u"default_103"_s})
            click(button);
        QCOMPARE(changedRows(window->rows()), (QStringList{u"cl_interp=Off"_s, u"gameui_hide=On"_s, u"fov=90"_s}));
        click(u"dxbutton"_s); // from none
        QCOMPARE(window->rows().selectedDx(), std::optional<int>(5));
        click(u"dx_1"_s);
        click(u"dxbutton"_s); // from another level
        QCOMPARE(window->rows().selectedDx(), std::optional<int>(5));
    }

    void fontItemsChangeExactlyTheirControls()
    {
        const QStringList following{u"sstab"_s,    u"downlabel"_s, u"infolbl"_s,   u"uplabel_0"_s,  u"uplabel_2"_s,
                                    u"choice_0"_s, u"choice_12"_s, u"warning_3"_s, u"dx_0"_s,       u"dx_5"_s,
                                    u"cmd_0"_s,    u"cmd_103"_s,   u"default_0"_s, u"default_103"_s};
        const QStringList keptArial{u"uplabel_3"_s, u"uplabel_4"_s, u"Label1"_s,  u"dxcmd"_s,
                                    u"notdone_1"_s, u"dxbutton"_s,  u"Slider_0"_s};
        // Each face after another one, and chosen twice.
        for (const auto &[item, face] : {std::pair{u"times"_s, u"Times New Roman"_s},
                                         {u"courier"_s, u"Courier New"_s},
                                         {u"arial"_s, u"Arial"_s}}) {
            app->trigger(item);
            app->trigger(item);
            for (const QString &name : {u"arial"_s, u"times"_s, u"courier"_s})
                QCOMPARE(window->menuAction(name)->isChecked(), name == item);
            QCOMPARE(window->catalogueTabs()->tabBar()->font().family(), face);
            for (const QString &name : following)
                QCOMPARE(app->control<QWidget>(name)->font().toString().section(u',', 0, 1), face + u",8.25"_s);
            for (const QString &name : keptArial)
                QCOMPARE(app->control<QWidget>(name)->font().family(), u"Arial"_s);
            QCOMPARE(app->control<QWidget>(u"Option0_36"_s)->font().family(), u"Courier New"_s);
            QVERIFY(app->control<QWidget>(u"Label1"_s)->font().italic());
            QCOMPARE(window->menuBar()->font().family(), u"Arial"_s);
        }
    }

    void aboutWindow()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            app->trigger(u"about"_s);
            app->trigger(u"about"_s);
            QCOMPARE(aboutWindows().size(), 1);
            QPointer<QWidget> about = aboutWindows().constFirst();
            QVERIFY(!about->isModal());
            QCOMPARE(about->findChild<QLabel *>(u"lblVersion"_s)->text(), u"Version 1.5"_s);
            click(u"cmd_33"_s); // the main window still takes input
            QCOMPARE(info(), description(33));
            QVERIFY(QTest::qWaitForWindowExposed(about));
            QTest::keyClick(about, key);
            QTRY_VERIFY(!about);
        }
        // A fresh one is closed by Exit with Yes, not with No.
        app->trigger(u"about"_s);
        QPointer<QWidget> about = aboutWindows().value(0);
        app->prompts.answerYesNo(false);
        app->trigger(u"exit"_s);
        QVERIFY(about && about->isVisible());
        app->prompts.answerYesNo(true);
        app->trigger(u"exit"_s);
        QTRY_VERIFY(!about && !app->window());
    }
};

QTEST_MAIN(TestStartup)
#include "test_appcontroller.moc"
