#include "core/output/ConfigText.h"
#include "support/AppFixture.h"
#include "ui/catalogue/CatalogueTabs.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QSlider>
#include <QTest>

using namespace Qt::StringLiterals;

// File, Save through the real window, the dialog and boxes scripted.
class TestSave : public QObject {
    Q_OBJECT

    const QByteArray oldBytes = "echo an older config\r\n";
    std::unique_ptr<AppFixture> app;

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString path(const QString &name) const { return app->dataPath(name); }
    void save(const std::optional<QString> &answer)
    {
        app->prompts.answerFile(answer);
        app->trigger(u"inst"_s);
    }

private slots:
    void init()
    {
        app = std::make_unique<AppFixture>();
        QVERIFY(app->start());
    }
    void cleanup() { QVERIFY(app->finish()); }

    void saveWritesTheClickedChoicesUnderTheNameAsTypedAndRemembersIt()
    {
        app->trigger(u"prv"_s); // the preview's values are older than the rows: Save must write the rows
        app->window()->catalogueTabs()->setCurrentIndex(int(Catalogue::Tab::Other));
        QTest::mouseClick(app->control<QAbstractButton>(u"Option1_33"_s), Qt::LeftButton);
        QTest::mouseClick(app->control<QAbstractButton>(u"Option0_32"_s), Qt::LeftButton);
        QTest::mouseClick(app->control<QAbstractButton>(u"dx_5"_s), Qt::LeftButton);
        app->control<QSlider>(u"Slider_8"_s)->setValue(100);
        save(path(u"myconfig"_s));
        save(std::nullopt);
        QCOMPARE(app->prompts.shown().size(), 2); // success and cancel say nothing
        const FileDialogRequest &dialog = app->prompts.shown().constFirst().request;
        QCOMPARE(dialog.title, u"Save the config"_s);
        QCOMPARE(dialog.filters, (QStringList{u"All Files (*.*)"_s, u".cfg Files (*.cfg)"_s}));
        QCOMPARE(dialog.selectedFilter, 1);
        QCOMPARE(dialog.fileName, u"tunewick.cfg"_s);
        QCOMPARE(app->prompts.shown().at(1).request.fileName, path(u"myconfig"_s));
        const QByteArray saved = contents(path(u"myconfig"_s)); // as typed, no suffix added
        QCOMPARE(saved, composeFileText(app->window()->rows()));
        for (const char *clicked :
             {"\r\ncl_interp 0\r\ncl_showfps 1\r\n", "\r\ncl_updaterate 100\r\n", "\r\nmat_dxlevel 90\r\n"})
            QVERIFY2(saved.contains(clicked), saved.constData());
    }

    void anExistingFileIsReplacedOnlyOnYes_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<bool>("yes");
        QTest::newRow("dialog cancelled") << false << false;
        QTest::newRow("Yes replaces it") << true << true;
        QTest::newRow("No keeps it") << true << false;
    }
    void anExistingFileIsReplacedOnlyOnYes()
    {
        QFETCH(bool, chosen);
        QFETCH(bool, yes);
        const QString target = path(u"autoexec.cfg"_s);
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(oldBytes) == oldBytes.size());
        file.close();
        if (chosen)
            app->prompts.answerYesNo(yes);
        save(chosen ? std::optional(target) : std::nullopt);

        QCOMPARE(app->prompts.shown().size(), chosen ? 2 : 1);
        if (chosen) {
            const ScriptedPrompts::Shown &asked = app->prompts.shown().at(1);
            QCOMPARE(asked.kind, ScriptedPrompts::Kind::YesNo);
            QCOMPARE(asked.title, u"Save the config"_s);
            QCOMPARE(asked.text, QDir::toNativeSeparators(target) + u" already exists.\nDo you want to replace it?"_s);
        }
        QCOMPARE(contents(target), yes ? composeFileText(app->window()->rows()) : oldBytes);
    }

    void failedSaveTellsWhichFileAndWhy()
    {
        const QString target = path(u"missing/tunewick.cfg"_s);
        save(target);
        QCOMPARE(app->prompts.shown().size(), 2);
        const ScriptedPrompts::Shown &told = app->prompts.shown().at(1);
        QCOMPARE(told.kind, ScriptedPrompts::Kind::Inform);
        QCOMPARE(told.title, u"Save the config"_s);
        QVERIFY2(told.text.contains(QDir::toNativeSeparators(target)), qPrintable(told.text));
        QVERIFY2(told.text.contains(u"No such file or directory"_s), qPrintable(told.text));
    }
};

QTEST_MAIN(TestSave)
#include "test_save.moc"
