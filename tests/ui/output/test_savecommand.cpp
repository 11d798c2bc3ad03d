#include "core/output/ConfigText.h"
#include "core/output/ConfigUpdate.h"
#include "support/AppFixture.h"

using namespace Qt::StringLiterals;

// File, Save through the real window, the dialog and boxes scripted.
class TestSave : public AppTest {
    Q_OBJECT

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    // Success and a cancelled dialog say nothing; a failure names the file and the reason. With "All
    // Files" selected the name is kept as typed.
    void saveWritesTheChoicesUnderTheNameAsTypedOrTellsWhyNot()
    {
        app->trigger(u"prv"_s); // the preview's values are older than the choices: Save must write the choices
        app->click(u"Option1_33"_s);
        const QString path = app->data.filePath(u"myconfig"_s), missing = app->data.filePath(u"missing/tunewick.cfg"_s);
        app->prompts.files << path << std::nullopt << missing;
        app->prompts.saveFilters << 0;
        for (int save = 0; save < 3; ++save)
            app->trigger(u"inst"_s);
        QCOMPARE(app->prompts.shown[1].request.fileName, path); // offered next time
        QCOMPARE(app->prompts.said().mid(3),
                 QStringList{u"Save the config: The config could not be saved to %1:\nNo "
                             u"such file or directory"_s.arg(QDir::toNativeSeparators(missing))});
        QCOMPARE(contents(path), composeFileText(app->window()->choices().value())); // as typed, no suffix added
    }

    // Update is offered only for a file it can update; the default answer is the one that loses nothing.
    void anExistingFileIsUpdatedReplacedOrKept_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("saved");     // the old file, the choices alone, the old file updated
        QTest::addColumn<QString>("typed"); // with the .cfg filter selected
        const QByteArray config = "echo an older config\r\n";
        QTest::newRow("Update keeps its lines") << config << 0 << 2 << u"mytweaks.cfg"_s;
        QTest::newRow("Replace") << config << 1 << 1 << u"mytweaks.cfg"_s;
        QTest::newRow("Cancel") << config << 2 << 0 << u"mytweaks.cfg"_s;
        QTest::newRow("binary file, Replace") << "fov\0"_ba << 0 << 1 << u"mytweaks.cfg"_s;
        QTest::newRow("binary file, Cancel") << "fov\0"_ba << 1 << 0 << u"mytweaks.cfg"_s;
        QTest::newRow("typed without .cfg, Update") << config << 0 << 2 << u"mytweaks"_s;
        QTest::newRow("typed with a final dot, Replace") << config << 1 << 1 << u"mytweaks."_s;
    }
    void anExistingFileIsUpdatedReplacedOrKept()
    {
        QFETCH(QByteArray, existing);
        QFETCH(int, answer);
        QFETCH(int, saved);
        QFETCH(QString, typed);
        const QString target = app->writeData(u"mytweaks.cfg"_s, existing);
        app->prompts.files << app->data.filePath(typed);
        app->prompts.choices << answer;
        app->trigger(u"inst"_s);

        const ScriptedPrompts::Shown &asked = app->prompts.shown.last();
        QVERIFY(app->prompts.shown.size() == 2 && asked.title == u"Save the config"_s
                && asked.text.startsWith(QDir::toNativeSeparators(target) + u" already exists"_s));
        const bool binary = existing.contains('\0');
        QCOMPARE(asked.text.contains(u"it holds binary data"_s), binary);
        QCOMPARE(asked.answers.join(u' ') + u'/' + QString::number(asked.defaultAnswer),
                 binary ? u"Replace Cancel/1"_s : u"Update Replace Cancel/0"_s);
        const Choices &rows = app->window()->choices().value();
        QCOMPARE(contents(target),
                 (QByteArrayList{existing, composeFileText(rows), ConfigUpdate::updateText(existing, rows)}[saved]));
    }
};

QTEST_MAIN(TestSave)
#include "test_savecommand.moc"
