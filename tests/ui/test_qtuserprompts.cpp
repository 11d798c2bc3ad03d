#include "ui/QtUserPrompts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
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

    // The real save dialog of a config, read while it runs: the folder it shows, the captions of
    // its filters, the names listed under ".cfg Files" and under "All Files", the name typed.
    void configDialogStartsInItsFolderAndListsEveryNameUnderAllFiles_data()
    {
        QTest::addColumn<QString>("fileName"); // with a folder: in the made folder
        QTest::addColumn<QStringList>("seen");
        QTest::newRow("no name: the start folder")
            << QString() << QStringList{u"cfg"_s, u"a.cfg"_s, u"a.cfg myconfig"_s, {}};
        QTest::newRow("a name, in the start folder")
            << u"tunewick.cfg"_s << QStringList{u"cfg"_s, u"a.cfg"_s, u"a.cfg myconfig"_s, u"tunewick.cfg"_s};
        QTest::newRow("the last file chosen, elsewhere")
            << u"other/b.cfg"_s << QStringList{u"other"_s, u"b.cfg"_s, u"b.cfg notes"_s, u"b.cfg"_s};
    }
    void configDialogStartsInItsFolderAndListsEveryNameUnderAllFiles()
    {
        QFETCH(QString, fileName);
        QFETCH(QStringList, seen);
        QTemporaryDir made;
        const QDir folder(made.path());
        for (const QString &name : {u"cfg/a.cfg"_s, u"cfg/myconfig"_s, u"other/b.cfg"_s, u"other/notes"_s}) {
            QFile file(folder.filePath(name));
            QVERIFY(folder.mkpath(QFileInfo(name).path()) && file.open(QIODevice::WriteOnly));
        }
        const FileDialogRequest request = FileDialogRequest::forConfigs(
            u"Save the config"_s, fileName.contains(u'/') ? folder.filePath(fileName) : fileName,
            folder.filePath(u"cfg"_s));

        QStringList shown;
        QTimer::singleShot(0, [&shown] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const auto cancel = qScopeGuard([dialog] { dialog->reject(); });
            auto *list = dialog->findChild<QListView *>(u"listView"_s);
            const auto listed = [list] {
                QStringList names;
                for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
                    names << list->model()->index(row, 0, list->rootIndex()).data().toString();
                names.sort();
                return names.join(u' ');
            };
            shown << dialog->directory().dirName();
            QTRY_VERIFY(!listed().isEmpty());
            shown << listed();
            dialog->selectNameFilter(dialog->nameFilters().at(0));
            QTRY_VERIFY(listed() != shown.constLast());
            const auto *types = dialog->findChild<QComboBox *>(u"fileTypeCombo"_s);
            shown << listed() << dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->text() << types->itemText(0)
                  << types->itemText(1);
        });
        QVERIFY(!QtUserPrompts().askSaveFileName(nullptr, request));
        QCOMPARE(shown, seen + QStringList({u"All Files (*.*)"_s, u".cfg Files (*.cfg)"_s}));
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
