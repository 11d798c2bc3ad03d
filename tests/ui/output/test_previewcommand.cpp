#include "support/AppFixture.h"

using namespace Qt::StringLiterals;

// Options, Preview through the real window.
class TestPreviewCommand : public AppTest {
    Q_OBJECT

    static QWidget *preview() { return AppFixture::shownWindows(u"preview"_s).value(0); }
    static QPlainTextEdit *text() { return preview()->findChild<QPlainTextEdit *>(u"txtprv"_s); }
    static QString showfpsLine() { return text()->toPlainText().split(u'\n').value(4 + 33); }

private slots:
    // Each Preview shows the current choices, in the window already open, over what was typed there;
    // Escape closes the window.
    void previewShowsTheCurrentChoicesAndEscapeClosesIt()
    {
        app->trigger(u"prv"_s);
        QWidget *first = preview();
        QVERIFY(first && QTest::qWaitForWindowActive(first));
        QCOMPARE(QApplication::focusWidget(), first->findChild<QPushButton *>(u"close"_s));
        QCOMPARE(text()->textCursor().position(), 0);
        QCOMPARE(showfpsLine(), u"cl_showfps "_s + app->window()->tables().defval[33]);
        text()->appendPlainText(u"typed by the user"_s);

        app->click(u"Option1_33"_s);
        app->trigger(u"prv"_s);
        QCOMPARE(preview(), first);
        QCOMPARE(showfpsLine(), u"cl_showfps 1"_s);
        QVERIFY(!text()->toPlainText().contains(u"typed by the user"_s));
        QCOMPARE(text()->textCursor().position(), 0);

        QTest::keyClick(first->findChild<QPushButton *>(u"close"_s), Qt::Key_Escape);
        QTRY_VERIFY(!preview());
        app->trigger(u"prv"_s);
        QTest::mouseClick(preview()->findChild<QPushButton *>(u"close"_s), Qt::LeftButton);
        QTRY_VERIFY(!preview());
    }
};

QTEST_MAIN(TestPreviewCommand)
#include "test_previewcommand.moc"
