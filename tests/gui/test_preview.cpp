#include "app/AppController.h"
#include "app/LinePanel.h"
#include "app/MainWindow.h"
#include "app/Twips.h"
#include "catalogue/RowAccess.h"
#include "output/ValueTable.h"
#include "support/ScriptedPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPreview : public QObject {
    Q_OBJECT

    ScriptedPrompts *prompts = nullptr;
    AppController *controller = nullptr;
    MainWindow *window = nullptr;

    static QWidget *previewWindow()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == u"preview"_s && widget->isVisible())
                return widget;
        }
        return nullptr;
    }
    static QPlainTextEdit *previewText()
    {
        QWidget *preview = previewWindow();
        return preview ? preview->findChild<QPlainTextEdit *>(u"txtprv"_s) : nullptr;
    }
    static QStringList previewLines() { return previewText()->toPlainText().split(u'\n'); }

    void preview() const { window->menuAction(u"prv"_s)->trigger(); }
    QString defaultLine(int row) const { return window->rows().caption(row) + u' ' + window->tables().defval[row]; }

private slots:
    void init()
    {
        prompts = new ScriptedPrompts;
        controller = new AppController(*prompts, QString(), [] {});
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
        // The main window's confirmed close takes the preview with it.
        QTRY_VERIFY(!previewWindow());
        delete controller;
        delete prompts;
    }

    void previewShowsTheCurrentChoicesInSixtyLines()
    {
        window->rows().select(33, RowState::On);
        window->rows().select(1, RowState::Off);
        window->rows().setSliderValue(8, 100);
        window->rows().selectDx(4);
        preview();

        QVERIFY(previewWindow());
        const QStringList lines = previewLines();
        QCOMPARE(lines.size(), 60);
        QCOMPARE(lines.first(), u"//============"_s);
        QCOMPARE(lines.at(1), u"//    Tunewick    "_s);
        QCOMPARE(lines.at(4), defaultLine(0));
        QCOMPARE(lines.at(5), u"cl_ragdoll_physics_enable 0"_s);
        QCOMPARE(lines.at(4 + 33), u"cl_showfps 1"_s);
        QCOMPARE(lines.at(41), u"mat_dxlevel 81"_s);
        QCOMPARE(lines.at(42 + 8), u"cl_updaterate 100"_s);
        QCOMPARE(lines.at(55), u"fov 75"_s);
        QCOMPARE(lines.last(), u"//====================="_s);
        QCOMPARE(prompts->shown().size(), 0);
    }

    void previewWindowOpensWithCloseFocusedAndTheTopOfTheText()
    {
        preview();
        QWidget *preview = previewWindow();
        QVERIFY(preview);
        QVERIFY(QTest::qWaitForWindowActive(preview));
        auto *close = preview->findChild<QPushButton *>(u"close"_s);
        QPlainTextEdit *text = previewText();
        QVERIFY(close && text);

        QCOMPARE(QApplication::focusWidget(), close);
        QCOMPARE(close->text(), u"Close"_s);
        QCOMPARE(text->textCursor().position(), 0);
        QCOMPARE(text->verticalScrollBar()->value(), 0);
        QTest::keyClick(close, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), text);

        QVERIFY(preview->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!preview->parentWidget());
        QCOMPARE(preview->size(), QSize(Twips::toPixels(6645), Twips::toPixels(8445)));
        QCOMPARE(preview->geometry().center(), preview->screen()->availableGeometry().center());
        QCOMPARE(static_cast<LinePanel *>(preview)->lines().size(), size_t(8));
        QCOMPARE(text->geometry(), Twips::rect(105, 105, 6420, 7785));
        QCOMPARE(close->geometry(), Twips::rect(105, 7980, 6420, 330));
        QCOMPARE(text->palette().color(QPalette::Base), QColor(255, 255, 192));
        QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(!text->isReadOnly());
        QCOMPARE(text->font().family(), u"Arial"_s);
        QCOMPARE(text->font().pointSizeF(), 8.25);
        // The main window stays usable beside it.
        QVERIFY(!preview->isModal());
    }

    void previewWhileOpenRefreshesTheTableButKeepsTheWindowAsItWas()
    {
        preview();
        QWidget *first = previewWindow();
        QVERIFY(first);
        QCOMPARE(previewLines().at(4 + 33), defaultLine(33));
        previewText()->appendPlainText(u"typed by the user"_s);
        const QString shown = previewText()->toPlainText();

        window->rows().select(33, RowState::On);
        preview();
        QCOMPARE(previewWindow(), first);
        QCOMPARE(previewText()->toPlainText(), shown);
        QCOMPARE(vars().cvarvalue[33], ConfigValue(std::int16_t{1}));

        QTest::mouseClick(first->findChild<QPushButton *>(u"close"_s), Qt::LeftButton);
        QTRY_VERIFY(!previewWindow());

        window->rows().select(33, RowState::Off);
        preview();
        QVERIFY(previewWindow());
        QVERIFY(previewWindow() != first || previewText()->toPlainText() != shown);
        QCOMPARE(previewLines().size(), 60);
        QCOMPARE(previewLines().at(4 + 33), u"cl_showfps 0"_s);
        QVERIFY(!previewText()->toPlainText().contains(u"typed by the user"_s));
    }
};

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
