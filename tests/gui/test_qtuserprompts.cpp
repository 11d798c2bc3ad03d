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
    QStringList labels;                         // the default button's, then every button's, sorted

    void answerNextBox(Qt::Key key)
    {
        QTimer::singleShot(0, [this, key] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            icon = box->icon();
            texts = {box->windowTitle(), box->text(), box->textFormat() == Qt::PlainText ? u"plain"_s : u"rich"_s};
            buttons = {box->standardButton(box->defaultButton())};
            labels.clear();
            for (QAbstractButton *b : box->buttons()) {
                buttons << box->standardButton(b);
                labels << b->text();
            }
            labels.sort();
            labels.prepend(box->defaultButton()->text());
            if (key == Qt::Key_unknown)
                box->close(); // the window's close button
            else
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

    void choiceBox()
    {
        QtUserPrompts prompts;
        const QStringList answers{u"Update"_s, u"Replace"_s, u"Cancel"_s};
        answerNextBox(Qt::Key_Return);
        QCOMPARE(prompts.askChoice(nullptr, u"Save the config"_s, u"<b>Update?</b>"_s, answers, 1), 1);
        QCOMPARE(texts, (QStringList{u"Save the config"_s, u"<b>Update?</b>"_s, u"plain"_s}));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(labels, (QStringList{u"Replace"_s, u"Cancel"_s, u"Replace"_s, u"Update"_s}));
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_unknown}) {
            answerNextBox(key);
            QCOMPARE(prompts.askChoice(nullptr, u"Save the config"_s, u"?"_s, answers, 0), 2);
        }
    }
};

QTEST_MAIN(TestQtUserPrompts)
#include "test_qtuserprompts.moc"
