#include "support/Files.h"
#include "support/TestCase.h"
#include "ui/QtUserPrompts.h"

#include <QtWidgets>

// The real boxes and dialog, once: a timer reads the modal window while it runs and answers it.
class TestQtUserPrompts : public QObject {
    Q_OBJECT

    QStringList seen; // each box's title, text and default button, then all its buttons, sorted

    void answerNextBox(Qt::Key key) // Qt::Key_unknown: the window's close button
    {
        QTimer::singleShot(0, this, [this, key] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QStringList labels;
            for (QAbstractButton *button : box->buttons())
                labels << button->text().remove(u'&');
            labels.sort();
            seen << u"%1|%2|%3: %4%5"_s.arg(box->windowTitle(), box->text(), box->defaultButton()->text().remove(u'&'),
                                            labels.join(u' '), box->detailedText());
            key == Qt::Key_unknown ? void(box->close()) : QTest::keyClick(box, key);
            QVERIFY(box->textFormat() == Qt::PlainText && box->icon() == QMessageBox::NoIcon);
        });
    }

private slots:
    void boxesShowPlainTextAndGiveTheAnswer()
    {
        QtUserPrompts prompts;
        const QStringList answers{u"Update"_s, u"Replace"_s, u"Cancel"_s};
        answerNextBox(Qt::Key_Return);
        QVERIFY(prompts.askYesNo(nullptr, u"Finished?"_s, u"<b>Sure?</b>"_s));
        answerNextBox(Qt::Key_Escape);
        prompts.inform(nullptr, u"Updater"_s, u"!"_s);
        answerNextBox(Qt::Key_Return);
        QCOMPARE(prompts.askChoice(nullptr, u"Save the config"_s, u"<b>?</b>"_s, answers, 1, {}), 1);
        answerNextBox(Qt::Key_unknown);
        QCOMPARE(prompts.askChoice(nullptr, u"Save the config"_s, u"?"_s, answers, 0, u"|- a"_s), 2);
        answerNextBox(Qt::Key_Return);
        QCOMPARE(prompts.askSaveChanges(nullptr, u"Finished?"_s, u"Save?"_s), UserPrompts::UnsavedAnswer::Save);
        answerNextBox(Qt::Key_Escape);
        QCOMPARE(prompts.askSaveChanges(nullptr, u"Finished?"_s, u"Save?"_s), UserPrompts::UnsavedAnswer::Cancel);
        QCOMPARE(seen, (QStringList{u"Finished?|<b>Sure?</b>|Yes: No Yes"_s, u"Updater|!|OK: OK"_s,
                                    u"Save the config|<b>?</b>|Replace: Cancel Replace Update"_s,
                                    u"Save the config|?|Update: Cancel Replace Show Details... Update|- a"_s,
                                    u"Finished?|Save?|Save: Cancel Discard Save"_s,
                                    u"Finished?|Save?|Save: Cancel Discard Save"_s}));
    }

    // The list of copies to restore: the first selected, its accept button the default.
    void listChoice()
    {
        QTimer::singleShot(0, this, [] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog && dialog->windowTitle() == u"Restore Backup"_s);
            auto *list = dialog->findChild<QListWidget *>();
            QVERIFY(list->count() == 2 && list->currentRow() == 0 && list->item(1)->text() == u"b"_s);
            list->setCurrentRow(1);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QCOMPARE(QtUserPrompts().askFromList(nullptr, u"Restore Backup"_s, {u"a"_s, u"b"_s}, u"Restore"_s), 1);
    }

    // The save dialog of a config opens in its start folder with the name offered; its filters show as
    // captioned, the second chosen, and "All Files" lists every name, those without a dot too. It
    // reports the filter selected when the file was chosen.
    void configDialog()
    {
        QTemporaryDir folder;
        for (const QString &name : {u"a.cfg"_s, u"myconfig"_s})
            QVERIFY(writeFile(folder.filePath(name), {}));
        QTimer::singleShot(0, this, [&folder] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto cancel = qScopeGuard([dialog] { dialog->reject(); });
            const auto *types = dialog->findChild<QComboBox *>(u"fileTypeCombo"_s);
            QCOMPARE(types->currentText(), u".cfg Files (*.cfg)"_s);
            dialog->selectNameFilter(dialog->nameFilters().at(0));
            QCOMPARE(types->currentText(), u"All Files (*.*)"_s);
            const auto *list = dialog->findChild<QListView *>(u"listView"_s);
            const auto shown = [&] {
                QStringList names{dialog->directory().path(),
                                  dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->text()};
                for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
                    names << list->model()->index(row, 0, list->rootIndex()).data().toString();
                return names;
            };
            QTRY_COMPARE(shown(), (QStringList{folder.path(), u"tunewick.cfg"_s, u"a.cfg"_s, u"myconfig"_s}));
            cancel.dismiss();
            QTest::keyClick(dialog->findChild<QLineEdit *>(u"fileNameEdit"_s), Qt::Key_Return);
        });
        const std::optional<ChosenFile> chosen = QtUserPrompts().askSaveFileName(
            nullptr, FileDialogRequest::forConfigs(u"Save the config"_s, u"tunewick.cfg"_s, folder.path()));
        QVERIFY(chosen);
        QCOMPARE(chosen->path + u'|' + QString::number(chosen->filter), folder.filePath(u"tunewick.cfg|0"_s));
    }
};

QTEST_MAIN(TestQtUserPrompts)
#include "test_qtuserprompts.moc"
