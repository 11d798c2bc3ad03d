#include "support/AppFixture.h"

using namespace Qt::StringLiterals;

// The shipped descriptions against the real Status Bar. The window is reached only through object
// names, as a user reaches it through what is shown, so the test follows the data, not the code.
class TestDescriptionFit : public AppTest {
    Q_OBJECT
private slots:
    // Every name label, activated as from the keyboard, shows a description that fits the Status Bar
    // whole, word-wrapped, in each display face.
    void everyDescriptionFitsTheStatusBarInEachFace()
    {
        QWidget *window = app->window();
        auto *info = window->findChild<QLabel *>(u"infolbl"_s);
        QVERIFY(info && info->isVisible() && info->wordWrap());
        const QList<QLabel *> names = window->findChildren<QLabel *>(QRegularExpression(u"^(cmd_\\d+|dxcmd)$"_s));
        QCOMPARE(names.size(), 52); // one per description slot

        QSet<QString> families;
        for (const QString &face : {u"arial"_s, u"times"_s, u"courier"_s}) {
            auto *item = window->findChild<QAction *>(face);
            QVERIFY2(item, qPrintable(face));
            item->trigger();
            QVERIFY(item->isChecked());
            families.insert(info->font().family());
            for (QLabel *name : names) {
                info->clear();
                QTest::keyClick(name, Qt::Key_Space);
                const QString text = info->text();
                QVERIFY2(text.startsWith(u"Command: "_s), qPrintable(name->objectName()));
                QVERIFY2(info->heightForWidth(info->width()) <= info->height(),
                         qPrintable(u"%1, %2: %3"_s.arg(face, name->objectName(), text)));
            }
        }
        QCOMPARE(families.size(), 3); // each item gave the Status Bar a face of its own
    }
};

QTEST_MAIN(TestDescriptionFit)
#include "test_descriptionfit.moc"
