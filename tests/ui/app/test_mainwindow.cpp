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
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;

// The real main window: its row actions, menu items, shortcuts and the about window.
class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;
    MainWindow *window = nullptr;

    QLabel *infoLabel() const { return app->control<QLabel>(u"infolbl"_s); }
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

private slots:
    void init()
    {
        app = std::make_unique<AppFixture>();
        window = app->start();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup() { QVERIFY(app->finish()); }

    void dataProblemsAreToldInOneBoxAndTheWindowWorks()
    {
        QVERIFY(app->finish());
        QVERIFY(QFile::remove(app->dataPath(u"desc.cst"_s)));
        QFile sldef(app->dataPath(u"sldef.cst"_s));
        QVERIFY(sldef.open(QIODevice::WriteOnly) && sldef.write("300\r\n200\r\n2048\r\nabc\r\n") > 0);
        sldef.close();
        app->prompts.clearShown();
        window = app->controller.createMainWindow();

        QCOMPARE(app->prompts.shown().size(), 2); // after the logo box
        const ScriptedPrompts::Shown &box = app->prompts.shown()[1];
        QCOMPARE(box.title, u"Data files"_s);
        for (const QString &problem : {u"desc.cst: cannot be read"_s, u"sldef.cst: line 4 (r_dispradius) is \"abc\""_s})
            QVERIFY2(box.text.contains(QDir::toNativeSeparators(app->dataPath(problem))), qPrintable(box.text));
        click(u"cmd_90"_s);
        QCOMPARE(infoLabel()->text(), u"\r\n\r\n"_s);
        window->rows().setSliderValue(3, 700);
        click(u"default_93"_s); // its entry is bad: the slider stays
        QCOMPARE(changedRows(window->rows()), QStringList{u"r_dispradius=700"_s});
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
    }

    void resetButtonsPutTheirRowsInTheResetState()
    {
        window->rows().select(32, RowState::On);
        window->rows().select(36, RowState::Off);
        window->rows().setSliderValue(13, 1);
        for (const QString &button : {u"default_32"_s, u"default_36"_s, u"default_103"_s, u"dxbutton"_s})
            click(button);
        QCOMPARE(changedRows(window->rows()),
                 (QStringList{u"cl_interp=Off"_s, u"gameui_hide=On"_s, u"fov=90"_s, u"mat_dxlevel=90"_s}));
    }

    void statusBarTogglesTheDescriptionArea()
    {
        const QPoint position = window->pos();
        const QSize shown(Twips::toPixels(6735), Twips::toPixels(8415));
        QCOMPARE(window->centralWidget()->size(), shown);
        app->trigger(u"statbar"_s);
        QVERIFY(!infoLabel()->isVisible() && !window->menuAction(u"statbar"_s)->isChecked());
        QTRY_COMPARE(window->centralWidget()->size(), QSize(shown.width(), Twips::toPixels(8415 - 975)));
        app->trigger(u"statbar"_s);
        QVERIFY(infoLabel()->isVisible() && window->menuAction(u"statbar"_s)->isChecked());
        QTRY_COMPARE(window->centralWidget()->size(), shown);
        QCOMPARE(window->pos(), position);
    }

    // "--------------" is an ordinary item that does nothing.
    void dividerItemDoesNothing()
    {
        const QSize size = window->size();
        app->trigger(u"err"_s);
        QVERIFY(app->prompts.shown().isEmpty() && window->isVisible() && window->size() == size);
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
        // The boxes asked and the windows opened, which are closed again.
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
