#include "support/AppFixture.h"
#include "ui/catalogue/CatalogueTabs.h"

#include <QMenuBar>
#include <QTabBar>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDisplayFont : public QObject {
    Q_OBJECT
private slots:
    // Each face after another one, and chosen twice; the size stays, and so do the faces of the rest.
    void fontItemsChangeExactlyTheirControls()
    {
        AppFixture app;
        MainWindow *window = app.start();
        const QStringList following{u"sstab"_s,    u"downlabel"_s, u"infolbl"_s,   u"uplabel_0"_s,  u"uplabel_2"_s,
                                    u"choice_0"_s, u"choice_12"_s, u"warning_3"_s, u"dx_0"_s,       u"dx_5"_s,
                                    u"cmd_0"_s,    u"cmd_103"_s,   u"default_0"_s, u"default_103"_s};
        const QStringList keptArial{u"uplabel_3"_s, u"uplabel_4"_s, u"Label1"_s,  u"dxcmd"_s,
                                    u"notdone_1"_s, u"dxbutton"_s,  u"Slider_0"_s};
        for (const auto &[item, face] : {std::pair{u"times"_s, u"Times New Roman"_s},
                                         {u"courier"_s, u"Courier New"_s},
                                         {u"arial"_s, u"Arial"_s}}) {
            app.trigger(item);
            app.trigger(item);
            for (const QString &name : {u"arial"_s, u"times"_s, u"courier"_s})
                QCOMPARE(window->menuAction(name)->isChecked(), name == item);
            QCOMPARE(window->catalogueTabs()->tabBar()->font().family(), face);
            for (const QString &name : following)
                QCOMPARE(app.control<QWidget>(name)->font().toString().section(u',', 0, 1), face + u",8.25"_s);
            for (const QString &name : keptArial)
                QCOMPARE(app.control<QWidget>(name)->font().family(), u"Arial"_s);
            QCOMPARE(app.control<QWidget>(u"Option0_36"_s)->font().family(), u"Courier New"_s);
            QVERIFY(app.control<QWidget>(u"Label1"_s)->font().italic());
            QCOMPARE(window->menuBar()->font().family(), u"Arial"_s);
        }
    }
};

QTEST_MAIN(TestDisplayFont)
#include "test_displayfont.moc"
