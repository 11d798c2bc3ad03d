#include "app/QtUserPrompts.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// Checks the real boxes once: a timer inspects and answers the modal box while it runs.
class TestQtUserPrompts : public QObject {
    Q_OBJECT
private slots:
    void yesNoBoxHasNoIconAndYesAsDefault()
    {
        QtUserPrompts prompts;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QList<QMessageBox::StandardButton> buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        Qt::TextFormat format = Qt::RichText;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            format = box->textFormat();
            for (QAbstractButton *b : box->buttons())
                buttons << box->standardButton(b);
            defaultButton = box->standardButton(box->defaultButton());
            QTest::keyClick(box, Qt::Key_Return);
        });
        const bool yes = prompts.askYesNo(nullptr, u"Finished?"_s, u"<b>Are you sure you want to exit?</b>"_s);
        QVERIFY(yes);
        QCOMPARE(title, u"Finished?"_s);
        QCOMPARE(text, u"<b>Are you sure you want to exit?</b>"_s);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(buttons.size(), 2);
        QVERIFY(buttons.contains(QMessageBox::Yes) && buttons.contains(QMessageBox::No));
        QCOMPARE(defaultButton, QMessageBox::Yes);
    }

    void noAnswersFalse()
    {
        QtUserPrompts prompts;
        QTimer::singleShot(0, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!prompts.askYesNo(nullptr, u"New file"_s, u"?"_s));
    }

    void informHasOnlyOk()
    {
        QtUserPrompts prompts;
        QList<QMessageBox::StandardButton> buttons;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton *b : box->buttons())
                buttons << box->standardButton(b);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        prompts.inform(nullptr, u"Updater"_s, u"You already have the current version!"_s);
        QCOMPARE(buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    }
};

QTEST_MAIN(TestQtUserPrompts)
#include "test_qtuserprompts.moc"
