#include "core/catalogue/RowActions.h"
#include "core/catalogue/StartupData.h"
#include "support/AccessibleEvents.h"
#include "support/AppFixture.h"
#include "support/RowChanges.h"
#include "ui/catalogue/CatalogueTabs.h"
#include "ui/widgets/Twips.h"

using namespace Qt::StringLiterals;

// The real main window: its row actions, menu items, shortcuts, display fonts and the about window.
class TestMainWindow : public AppTest {
    Q_OBJECT

    MainWindow *window() const { return app->window(); }
    QLabel *infoLabel() const { return app->control<QLabel>(u"infolbl"_s); }
    QString description(int slot) const { return RowActions::descriptionText(window()->tables(), slot); }
    // What a screen reader reads as the control's description.
    QString spoken(const QString &name) const
    {
        return QAccessible::queryAccessibleInterface(app->control<QWidget>(name))->text(QAccessible::Description);
    }
    // Clicks a row control on its own tab, as the user would.
    void click(const QString &name)
    {
        QWidget *widget = app->control<QWidget>(name);
        QTabWidget *tabs = window()->catalogueTabs();
        for (int tab = 0; tab < tabs->count(); ++tab)
            tabs->setCurrentIndex(tabs->widget(tab)->isAncestorOf(widget) ? tab : tabs->currentIndex());
        QTest::mouseClick(widget, Qt::LeftButton);
    }

private slots:
    // A problem with the data files is told in a box after the logo; the "D" buttons work, but the one
    // whose entry is bad.
    void resetButtonsWithAProblemInTheData()
    {
        QVERIFY(app->finish());
        app->writeData(
            u"sldef.cst"_s,
            "300\r\n200\r\n2048\r\nabc\r\n400\r\n1200\r\n1500\r\n20\r\n20\r\n30\r\n9999\r\n10000\r\n300\r\n90\r\n");
        app->prompts.shown.clear();
        app->controller.createMainWindow();
        const QList<StartupData::Problem> problems = StartupData::readStartupTables(app->data.path()).problems;
        QCOMPARE(problems.size(), 1);
        QCOMPARE(app->prompts.said().mid(1), QStringList{u"Data files: "_s + StartupData::problemReport(problems)});

        RowAccess &rows = window()->rows();
        rows.setSliderValue(3, 700);
        rows.setSliderValue(13, 1);
        for (const QString &button : {u"default_32"_s, u"default_93"_s, u"default_103"_s, u"dxbutton"_s})
            click(button);
        QCOMPARE(changedRows(rows),
                 (QStringList{u"cl_interp=Off"_s, u"r_dispradius=700"_s, u"fov=90"_s, u"mat_dxlevel=90"_s}));
    }

    // A name shows its description when clicked, or pressed with Space, Return or Enter; screen readers
    // hear the same: each name's description, and each text the Status Bar shows. A name given the focus
    // from the keyboard is framed.
    void nameLabelsShowTheirDescription()
    {
        QCOMPARE(spoken(u"infolbl"_s), infoLabel()->text());
        for (const auto &[label, slot] :
             {std::pair{u"cmd_0"_s, 0}, {u"cmd_36"_s, 36}, {u"dxcmd"_s, 37}, {u"cmd_90"_s, 38}, {u"cmd_103"_s, 51}}) {
            QCOMPARE(spoken(label), description(slot));
            takeAccessibleEvents(infoLabel());
            click(label);
            QCOMPARE(infoLabel()->text(), description(slot));
            QCOMPARE(spoken(u"infolbl"_s), infoLabel()->text());
            QVERIFY(takeAccessibleEvents(infoLabel()).contains(QAccessible::DescriptionChanged));
        }
        QWidget *name = app->control<QWidget>(u"cmd_0"_s), *other = app->control<QWidget>(u"cmd_1"_s);
        const QImage unframed = name->grab().toImage(), otherUnframed = other->grab().toImage();
        name->setFocus(Qt::ShortcutFocusReason);
        QVERIFY(name->grab().toImage() != unframed && other->grab().toImage() == otherUnframed);
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            infoLabel()->clear();
            QTest::keyClick(name, key);
            QCOMPARE(infoLabel()->text(), description(0));
        }
    }

    // The window loses the description area's height and keeps its place.
    void statusBarTogglesTheDescriptionArea()
    {
        const QPoint position = window()->pos();
        QCOMPARE(window()->centralWidget()->size(), QSize(Twips::toPixels(6735), Twips::toPixels(8415)));
        for (const int height : {8415 - 975, 8415}) {
            app->trigger(u"statbar"_s);
            const bool shown = height == 8415;
            QVERIFY(infoLabel()->isVisible() == shown && window()->menuAction(u"statbar"_s)->isChecked() == shown);
            QTRY_COMPARE(window()->centralWidget()->size(), QSize(Twips::toPixels(6735), Twips::toPixels(height)));
            QCOMPARE(window()->pos(), position);
        }
    }

    // Quit is the platform's key where it has one.
    void eachShortcutTriggersItsMenuItem()
    {
        const QKeySequence quit = QKeySequence::keyBindings(QKeySequence::Quit).value(0, QKeySequence(u"Ctrl+Q"_s));
        for (const auto &[item, keys] : {std::pair{u"new"_s, QKeySequence(QKeySequence::New)},
                                         {u"open"_s, QKeySequence(QKeySequence::Open)},
                                         {u"inst"_s, QKeySequence(QKeySequence::Save)},
                                         {u"exit"_s, quit},
                                         {u"prv"_s, QKeySequence(u"Ctrl+Shift+P"_s)}}) {
            QSignalSpy triggered(window()->menuAction(item), &QAction::triggered);
            QTest::keySequence(window(), keys);
            QVERIFY2(triggered.size() == 1, qPrintable(item));
        }
    }

    // One about window at a time, beside which the main window still takes input; Enter or Esc closes it.
    void aboutWindow()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            app->trigger(u"about"_s);
            app->trigger(u"about"_s);
            QCOMPARE(AppFixture::shownWindows(u"aboutfr"_s).size(), 1);
            QPointer<QWidget> about = AppFixture::shownWindows(u"aboutfr"_s)[0];
            QCOMPARE(about->findChild<QLabel *>(u"lblVersion"_s)->text(), u"Version 1.5"_s);
            click(u"cmd_33"_s);
            QCOMPARE(infoLabel()->text(), description(33));
            QVERIFY(QTest::qWaitForWindowExposed(about));
            QTest::keyClick(about, key);
            QTRY_VERIFY(!about);
        }
    }

    // Each face after another one, and chosen twice: it reaches exactly the texts that follow the display
    // font, at their size; the others keep their own face.
    void fontItemsChangeExactlyTheirControls()
    {
        const QStringList following{u"sstab"_s,    u"downlabel"_s, u"infolbl"_s,   u"uplabel_0"_s,  u"uplabel_2"_s,
                                    u"choice_0"_s, u"choice_12"_s, u"warning_3"_s, u"dx_0"_s,       u"dx_5"_s,
                                    u"cmd_0"_s,    u"cmd_103"_s,   u"default_0"_s, u"default_103"_s};
        const QStringList kept{u"uplabel_3"_s, u"uplabel_4"_s, u"Label1"_s,    u"dxcmd"_s,     u"notdone_1"_s,
                               u"dxbutton"_s,  u"Slider_0"_s,  u"Slider_13"_s, u"Option0_0"_s, u"Option1_36"_s};
        for (const QString &face : {u"Times New Roman"_s, u"Courier New"_s, u"Arial"_s}) {
            const QString item = face.section(u' ', 0, 0).toLower();
            app->trigger(item);
            app->trigger(item);
            for (const QString &name : {u"arial"_s, u"times"_s, u"courier"_s})
                QCOMPARE(window()->menuAction(name)->isChecked(), name == item);
            for (const QString &name : following)
                QCOMPARE(app->control<QWidget>(name)->font().toString().section(u',', 0, 1), face + u",8.25"_s);
            for (const QString &name : kept)
                QCOMPARE(app->control<QWidget>(name)->font().family(),
                         name.startsWith(u"Option"_s) ? u"Courier New"_s : u"Arial"_s);
            QVERIFY(app->control<QWidget>(u"Label1"_s)->font().italic());
            QCOMPARE(window()->menuBar()->font().family(), u"Arial"_s);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
