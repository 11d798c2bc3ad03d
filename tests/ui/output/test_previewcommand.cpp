#include "support/AppFixture.h"

using namespace Qt::StringLiterals;

// Options, Preview through the real window.
class TestPreviewCommand : public AppTest {
    Q_OBJECT

    static QWidget *preview() { return AppFixture::shownWindows(u"preview"_s).value(0); }
    static QPlainTextEdit *text() { return preview()->findChild<QPlainTextEdit *>(u"txtprv"_s); }
    static QString showfpsLine() { return text()->toPlainText().split(u'\n').value(4 + 33); }

private slots:
    // The window shows the text of the rows when it opened; a second Preview only refreshes the values.
    void previewShowsTheChoicesUntilClosedThenComposesAfresh()
    {
        app->trigger(u"prv"_s);
        QWidget *first = preview();
        QVERIFY(first && QTest::qWaitForWindowActive(first));
        QCOMPARE(QApplication::focusWidget(), first->findChild<QPushButton *>(u"close"_s));
        QCOMPARE(text()->textCursor().position(), 0);
        QCOMPARE(showfpsLine(), u"cl_showfps "_s + app->window()->tables().defval[33]);
        text()->appendPlainText(u"typed by the user"_s);
        const QString shown = text()->toPlainText();

        app->click(u"Option1_33"_s);
        app->trigger(u"prv"_s);
        QCOMPARE(preview(), first);
        QCOMPARE(text()->toPlainText(), shown);

        QTest::mouseClick(first->findChild<QPushButton *>(u"close"_s), Qt::LeftButton);
        QTRY_VERIFY(!preview());
        app->trigger(u"prv"_s);
        QCOMPARE(showfpsLine(), u"cl_showfps 1"_s);
    }
};

QTEST_MAIN(TestPreviewCommand)
#include "test_previewcommand.moc"
