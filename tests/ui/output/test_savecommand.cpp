#include "core/output/ConfigText.h"
#include "core/output/ConfigUpdate.h"
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
    static bool write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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

    void anExistingFileIsUpdatedReplacedOrKept_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<int>("answer"); // -1: the dialog is cancelled
        QTest::addColumn<QString>("saved");
        QTest::newRow("dialog cancelled") << oldBytes << -1 << u"old"_s;
        QTest::newRow("Update keeps its lines") << oldBytes << 0 << u"updated"_s;
        QTest::newRow("Replace") << oldBytes << 1 << u"new"_s;
        QTest::newRow("Cancel") << oldBytes << 2 << u"old"_s;
        QTest::newRow("binary file, Replace") << "fov\0"_ba << 0 << u"new"_s;
        QTest::newRow("binary file, Cancel") << "fov\0"_ba << 1 << u"old"_s;
    }
    void anExistingFileIsUpdatedReplacedOrKept()
    {
        QFETCH(QByteArray, existing);
        QFETCH(int, answer);
        QFETCH(QString, saved);
        const QString target = path(u"autoexec.cfg"_s);
        QVERIFY(write(target, existing));
        if (answer >= 0)
            app->prompts.answerChoice(answer);
        save(answer >= 0 ? std::optional(target) : std::nullopt);

        QCOMPARE(app->prompts.shown().size(), answer >= 0 ? 2 : 1);
        if (answer >= 0) {
            const ScriptedPrompts::Shown &asked = app->prompts.shown().at(1);
            const bool binary = existing.contains('\0');
            QCOMPARE(asked.kind, ScriptedPrompts::Kind::Choice);
            QCOMPARE(asked.title, u"Save the config"_s);
            QVERIFY(asked.text.startsWith(QDir::toNativeSeparators(target) + u" already exists"_s));
            QCOMPARE(asked.text.contains(u"it holds binary data"_s), binary);
            QCOMPARE(asked.answers, (binary ? QStringList{u"Replace"_s, u"Cancel"_s}
                                            : QStringList{u"Update"_s, u"Replace"_s, u"Cancel"_s}));
            QCOMPARE(asked.defaultAnswer, binary ? 1 : 0); // the answer that loses nothing
        }
        const RowAccess &rows = app->window()->rows();
        const QHash<QString, QByteArray> expected{{u"old"_s, existing},
                                                  {u"new"_s, composeFileText(rows)},
                                                  {u"updated"_s, ConfigUpdate::updateText(existing, rows)}};
        QCOMPARE(contents(target), expected[saved]);
    }

    void failedSaveTellsWhichFileAndWhyAndKeepsIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << u"missing/tunewick.cfg"_s << u"No such file or directory"_s;
        // A name of the longest length leaves no room for the temporary file's, even for root. The
        // reason Qt gives for it varies.
        QTest::newRow("update of a file") << QString(255, u'a') << QString();
    }
    void failedSaveTellsWhichFileAndWhyAndKeepsIt()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        const QString target = path(name);
        const bool exists = !name.contains(u'/');
        if (exists) {
            QVERIFY(write(target, oldBytes));
            app->prompts.answerChoice(0);
        }
        save(target);
        QCOMPARE(app->prompts.shown().size(), exists ? 3 : 2);
        const ScriptedPrompts::Shown &told = app->prompts.shown().constLast();
        QCOMPARE(told.kind, ScriptedPrompts::Kind::Inform);
        QCOMPARE(told.title, u"Save the config"_s);
        QVERIFY2(told.text.contains(QDir::toNativeSeparators(target)), qPrintable(told.text));
        QVERIFY2(told.text.contains(reason), qPrintable(told.text));
        if (exists)
            QCOMPARE(contents(target), oldBytes);
    }
};

QTEST_MAIN(TestSave)
#include "test_savecommand.moc"
