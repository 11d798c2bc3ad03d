#include "ui/QtUserPrompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// The real boxes, once: a timer looks at the modal box while it runs and answers it with a key.
class TestQtUserPrompts : public QObject {
    Q_OBJECT

    QMessageBox::Icon icon = QMessageBox::Warning;
    QList<QMessageBox::StandardButton> buttons; // the default one first
    QStringList texts;                          // title, text, and whether shown as plain text

    void answerNextBox(Qt::Key key)
    {
        QTimer::singleShot(0, [this, key] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            icon = box->icon();
            texts = {box->windowTitle(), box->text(), box->textFormat() == Qt::PlainText ? u"plain"_s : u"rich"_s};
            buttons = {box->standardButton(box->defaultButton())};
            for (QAbstractButton *b : box->buttons())
                buttons << box->standardButton(b);
            QTest::keyClick(box, key);
        });
    }

private slots:
    void yesNoAndInformBoxes()
    {
        QtUserPrompts prompts;
        answerNextBox(Qt::Key_Return);
        QVERIFY(prompts.askYesNo(nullptr, u"Finished?"_s, u"<b>Are you sure?</b>"_s));
        QCOMPARE(texts, (QStringList{u"Finished?"_s, u"<b>Are you sure?</b>"_s, u"plain"_s}));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons.size(), 3);
        QVERIFY(buttons[0] == QMessageBox::Yes && buttons.contains(QMessageBox::No));

        answerNextBox(Qt::Key_Escape);
        QVERIFY(!prompts.askYesNo(nullptr, u"New file"_s, u"?"_s));

        answerNextBox(Qt::Key_Escape);
        prompts.inform(nullptr, u"Updater"_s, u"You already have the current version!"_s);
        QCOMPARE(buttons, (QList<QMessageBox::StandardButton>{QMessageBox::Ok, QMessageBox::Ok}));
    }
};

QTEST_MAIN(TestQtUserPrompts)
#include "test_qtuserprompts.moc"
