#include "core/catalogue/RowActions.h"
#include "support/AccessibleEvents.h"
#include "support/AppFixture.h"
#include "support/RowChanges.h"
#include "ui/catalogue/CatalogueTabs.h"
#include "ui/widgets/Twips.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

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

    // Problems with the data files are told in one box; the "D" buttons work, but the one whose entry
    // is bad.
    void resetButtonsWithAProblemInTheData()
    {
        QVERIFY(app->finish());
        QVERIFY(QFile::remove(app->dataPath(u"desc.cst"_s)));
        app->writeData(
            u"sldef.cst"_s,
            "300\r\n200\r\n2048\r\nabc\r\n400\r\n1200\r\n1500\r\n20\r\n20\r\n30\r\n9999\r\n10000\r\n300\r\n90\r\n");
        app->start();
        QCOMPARE(app->greeting.size(), 2); // after the logo box
        QCOMPARE(app->greeting[1].title, u"Data files"_s);
        for (const QString &problem : {u"desc.cst: cannot be read"_s, u"sldef.cst: line 4 (r_dispradius) is \"abc\""_s})
            QVERIFY2(app->greeting[1].text.contains(QDir::toNativeSeparators(app->dataPath(problem))),
                     qPrintable(app->greeting[1].text));

        RowAccess &rows = window()->rows();
        rows.select(32, RowState::On);
        rows.select(36, RowState::Off);
        rows.setSliderValue(3, 700);
        rows.setSliderValue(13, 1);
        for (const QString &button :
             {u"default_32"_s, u"default_36"_s, u"default_93"_s, u"default_103"_s, u"dxbutton"_s})
            click(button);
        QCOMPARE(changedRows(rows), (QStringList{u"cl_interp=Off"_s, u"gameui_hide=On"_s, u"r_dispradius=700"_s,
                                                 u"fov=90"_s, u"mat_dxlevel=90"_s}));
        click(u"cmd_90"_s);
        QCOMPARE(infoLabel()->text(), u"\r\n\r\n"_s);
    }

    // Screen readers hear the same: each label's description, and each text the Status Bar shows.
    void nameLabelsShowTheirDescription()
    {
        QCOMPARE(spoken(u"infolbl"_s), infoLabel()->text());
        for (const auto &[label, slot] : {std::pair{u"cmd_0"_s, 0},
                                          {u"cmd_36"_s, 36},
                                          {u"dxcmd"_s, 37},
                                          {u"cmd_90"_s, 38},
                                          {u"cmd_103"_s, 51},
                                          {u"cmd_103"_s, 51}}) {
            QCOMPARE(spoken(label), description(slot));
            AccessibleEvents::take(infoLabel());
            click(label);
            QCOMPARE(infoLabel()->text(), description(slot));
            QCOMPARE(infoLabel()->text().section(u"\r\n"_s, 0, 0),
                     u"Command: "_s + app->control<QLabel>(label)->text());
            QCOMPARE(spoken(u"infolbl"_s), infoLabel()->text());
            QVERIFY(AccessibleEvents::take(infoLabel()).contains(QAccessible::DescriptionChanged));
        }
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) { // from the keyboard
            infoLabel()->clear();
            QTest::keyClick(app->control<QWidget>(u"cmd_0"_s), key);
            QCOMPARE(infoLabel()->text(), description(0));
        }
    }

    void statusBarTogglesTheDescriptionArea()
    {
        const QPoint position = window()->pos();
        const QSize shown(Twips::toPixels(6735), Twips::toPixels(8415));
        QCOMPARE(window()->centralWidget()->size(), shown);
        app->trigger(u"statbar"_s);
        QVERIFY(!infoLabel()->isVisible() && !window()->menuAction(u"statbar"_s)->isChecked());
        QTRY_COMPARE(window()->centralWidget()->size(), QSize(shown.width(), Twips::toPixels(8415 - 975)));
        app->trigger(u"statbar"_s);
        QVERIFY(infoLabel()->isVisible() && window()->menuAction(u"statbar"_s)->isChecked());
        QTRY_COMPARE(window()->centralWidget()->size(), shown);
        QCOMPARE(window()->pos(), position);
    }

    void eachShortcutTriggersItsMenuItem_data()
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
    void eachShortcutTriggersItsMenuItem()
    {
        QFETCH(QString, item);
        QFETCH(QKeySequence, keys);
        QSignalSpy triggered(window()->menuAction(item), &QAction::triggered);
        QTest::keySequence(window(), keys);
        QCOMPARE(triggered.size(), 1);
    }

    // One about window at a time, beside which the main window still takes input; Enter or Esc closes it.
    void aboutWindow()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            app->trigger(u"about"_s);
            app->trigger(u"about"_s);
            QList<QWidget *> shown = QApplication::topLevelWidgets();
            shown.removeIf([](QWidget *w) { return w->objectName() != u"aboutfr"_s || !w->isVisible(); });
            QCOMPARE(shown.size(), 1);
            QPointer<QWidget> about = shown[0];
            QCOMPARE(about->findChild<QLabel *>(u"lblVersion"_s)->text(), u"Version 1.5"_s);
            click(u"cmd_33"_s);
            QCOMPARE(infoLabel()->text(), description(33));
            QVERIFY(QTest::qWaitForWindowExposed(about));
            QTest::keyClick(about, key);
            QTRY_VERIFY(!about);
        }
    }

    // Each face after another one, and chosen twice: it reaches exactly the texts that follow the display
    // font, at their size.
    void fontItemsChangeExactlyTheirControls()
    {
        const QStringList following{u"sstab"_s,    u"downlabel"_s, u"infolbl"_s,   u"uplabel_0"_s,  u"uplabel_2"_s,
                                    u"choice_0"_s, u"choice_12"_s, u"warning_3"_s, u"dx_0"_s,       u"dx_5"_s,
                                    u"cmd_0"_s,    u"cmd_103"_s,   u"default_0"_s, u"default_103"_s};
        const QStringList keptArial{u"uplabel_3"_s, u"uplabel_4"_s, u"Label1"_s,  u"dxcmd"_s,
                                    u"notdone_1"_s, u"dxbutton"_s,  u"Slider_0"_s};
        for (const auto &[item, face] : {std::pair{u"times"_s, u"Times New Roman"_s},
                                         {u"courier"_s, u"Courier New"_s},
                                         {u"arial"_s, u"Arial"_s}}) {
            app->trigger(item);
            app->trigger(item);
            for (const QString &name : {u"arial"_s, u"times"_s, u"courier"_s})
                QCOMPARE(window()->menuAction(name)->isChecked(), name == item);
            QCOMPARE(window()->catalogueTabs()->tabBar()->font().family(), face);
            for (const QString &name : following)
                QCOMPARE(app->control<QWidget>(name)->font().toString().section(u',', 0, 1), face + u",8.25"_s);
            for (const QString &name : keptArial)
                QCOMPARE(app->control<QWidget>(name)->font().family(), u"Arial"_s);
            QCOMPARE(app->control<QWidget>(u"Option0_36"_s)->font().family(), u"Courier New"_s);
            QVERIFY(app->control<QWidget>(u"Label1"_s)->font().italic());
            QCOMPARE(window()->menuBar()->font().family(), u"Arial"_s);
        }
    }

    // Every shipped description fits the Status Bar whole, word-wrapped, in each display face.
    void everyDescriptionFitsTheStatusBar()
    {
        for (const QString &face : {u"arial"_s, u"times"_s, u"courier"_s}) {
            app->trigger(face);
            for (int slot = 0; slot < Catalogue::descriptionSlotCount; ++slot) {
                infoLabel()->setText(description(slot));
                QVERIFY2(infoLabel()->heightForWidth(infoLabel()->width()) <= infoLabel()->height(),
                         qPrintable(u"%1, slot %2"_s.arg(face).arg(slot)));
            }
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
