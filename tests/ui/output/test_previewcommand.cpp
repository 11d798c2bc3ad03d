#include "core/catalogue/RowAccess.h"
#include "core/output/ValueTable.h"
#include "support/AppFixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// Options, Preview through the real window.
class TestPreview : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;

    static QWidget *previewWindow()
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->objectName() == u"preview"_s && widget->isVisible())
                return widget;
        return nullptr;
    }
    static QPlainTextEdit *text() { return previewWindow()->findChild<QPlainTextEdit *>(u"txtprv"_s); }
    static QString line(int index) { return text()->toPlainText().split(u'\n').value(index); }

private slots:
    void init()
    {
        app = std::make_unique<AppFixture>();
        QVERIFY(app->start());
    }
    void cleanup()
    {
        QVERIFY(app->finish());
        QTRY_VERIFY(!previewWindow()); // the confirmed close takes the preview with it
    }

    void previewShowsTheChoicesUntilClosedThenComposesAfresh()
    {
        app->window()->rows().selectDx(4);
        app->trigger(u"prv"_s);
        QWidget *first = previewWindow();
        QVERIFY(first && QTest::qWaitForWindowActive(first));
        QCOMPARE(QApplication::focusWidget(), first->findChild<QPushButton *>(u"close"_s));
        QCOMPARE(text()->textCursor().position(), 0);
        QCOMPARE(text()->toPlainText().count(u'\n'), 59);
        QCOMPARE(line(4 + 33), u"cl_showfps "_s + app->window()->tables().defval[33]); // a Default row
        QCOMPARE(line(41), u"mat_dxlevel 81"_s);
        text()->appendPlainText(u"typed by the user"_s);
        const QString shown = text()->toPlainText();

        // A second Preview refreshes the table from the rows; the open window stays as it was.
        app->window()->rows().select(33, RowState::On);
        app->trigger(u"prv"_s);
        QCOMPARE(previewWindow(), first);
        QCOMPARE(text()->toPlainText(), shown);
        QCOMPARE(vars().cvarvalue[33], ConfigValue(std::int16_t{1}));

        QTest::mouseClick(first->findChild<QPushButton *>(u"close"_s), Qt::LeftButton);
        QTRY_VERIFY(!previewWindow());
        app->trigger(u"prv"_s);
        QVERIFY(previewWindow());
        QCOMPARE(text()->toPlainText().count(u'\n'), 59);
        QCOMPARE(line(4 + 33), u"cl_showfps 1"_s);
        QVERIFY(!text()->toPlainText().contains(u"typed by the user"_s));
    }
};

QTEST_MAIN(TestPreview)
#include "test_previewcommand.moc"
