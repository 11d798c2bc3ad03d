#include "app/AppController.h"
#include "app/MainWindow.h"
#include "catalogue/CatalogueTabs.h"
#include "catalogue/RowAccess.h"
#include "support/ScriptedPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray oldBytes = "echo an older config\r\n";

const QByteArray startFile = "//============\r\n"
                             "//  Tunewick\r\n"
                             "//============\r\n"
                             "\r\n"
                             "cl_phys_props_max 300\r\n"
                             "mp_decals 200\r\n"
                             "r_decals 2048\r\n"
                             "r_dispradius 500\r\n"
                             "r_dispfullradius 400\r\n"
                             "r_propsmaxdist 1200\r\n"
                             "r_rainradius 1500\r\n"
                             "r_rainsplashpercentage 20\r\n"
                             "cl_updaterate 20\r\n"
                             "cl_cmdrate 30\r\n"
                             "cl_rate 10000\r\n"
                             "rate 25000\r\n"
                             "fps_max 300\r\n"
                             "fov 75\r\n"
                             "\r\n"
                             "//========================\r\n"
                             "echo :::Zorara l0aded:::\r\n"
                             "//========================\r\n";

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestSave : public QObject {
    Q_OBJECT

    ScriptedPrompts *prompts = nullptr;
    AppController *controller = nullptr;
    MainWindow *window = nullptr;
    std::unique_ptr<QTemporaryDir> tmp;

    template<typename T> T *control(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    void save() const { window->menuAction(u"inst"_s)->trigger(); }
    QString path(const QString &name) const { return tmp->filePath(name); }
    QStringList files() const
    {
        return QDir(tmp->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void init()
    {
        tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(tmp->isValid());
        prompts = new ScriptedPrompts;
        controller = new AppController(*prompts, QString(), [] {});
        window = controller->createMainWindow();
        prompts->clearShown(); // the start-up boxes
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    void cleanup()
    {
        if (controller->mainWindow()) {
            prompts->answerYesNo(true);
            controller->mainWindow()->close();
        }
        QTRY_VERIFY(!controller->mainWindow());
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
        delete controller;
        delete prompts;
        tmp.reset();
    }

    void saveRightAfterStartWritesHeaderSlidersAndFooter()
    {
        prompts->answerFile(path(u"tunewick.cfg"_s));
        save();

        QCOMPARE(prompts->shown().size(), 1);
        const ScriptedPrompts::Shown &dialog = prompts->shown().constFirst();
        QCOMPARE(dialog.kind, ScriptedPrompts::Kind::SaveFile);
        QCOMPARE(dialog.request.title, u"Save the config"_s);
        QCOMPARE(dialog.request.filters, (QStringList{u"All Files (*.*)"_s, u".cfg Files (*.cfg)"_s}));
        QCOMPARE(dialog.request.selectedFilter, 1);
        QCOMPARE(dialog.request.fileName, u"tunewick.cfg"_s);
        QCOMPARE(contents(path(u"tunewick.cfg"_s)), startFile);
        QCOMPARE(files(), QStringList{u"tunewick.cfg"_s});
    }

    void saveWritesTheChoicesOfTheRowsUnderTheNameAsTyped()
    {
        // Controls clicked as the user would: cl_showfps On on tab Other, DirectX 9.0, cl_updaterate at 100.
        window->catalogueTabs()->setCurrentIndex(int(Catalogue::Tab::Other));
        QTest::mouseClick(control<QAbstractButton>(u"Option1_33"_s), Qt::LeftButton);
        QTest::mouseClick(control<QAbstractButton>(u"Option0_32"_s), Qt::LeftButton);
        QTest::mouseClick(control<QAbstractButton>(u"dx_5"_s), Qt::LeftButton);
        control<QSlider>(u"Slider_8"_s)->setValue(100);

        prompts->answerFile(path(u"myconfig"_s));
        save();
        QCOMPARE(files(), QStringList{u"myconfig"_s});
        QCOMPARE(contents(path(u"myconfig"_s)), QByteArray("//============\r\n"
                                                           "//  Tunewick\r\n"
                                                           "//============\r\n"
                                                           "\r\n"
                                                           "cl_interp 0\r\n"
                                                           "cl_showfps 1\r\n"
                                                           "cl_phys_props_max 300\r\n"
                                                           "mp_decals 200\r\n"
                                                           "r_decals 2048\r\n"
                                                           "r_dispradius 500\r\n"
                                                           "r_dispfullradius 400\r\n"
                                                           "r_propsmaxdist 1200\r\n"
                                                           "r_rainradius 1500\r\n"
                                                           "r_rainsplashpercentage 20\r\n"
                                                           "cl_updaterate 100\r\n"
                                                           "cl_cmdrate 30\r\n"
                                                           "cl_rate 10000\r\n"
                                                           "rate 25000\r\n"
                                                           "fps_max 300\r\n"
                                                           "fov 75\r\n"
                                                           "mat_dxlevel 90\r\n"
                                                           "\r\n"
                                                           "//========================\r\n"
                                                           "echo :::Zorara l0aded:::\r\n"
                                                           "//========================\r\n"));
        // Success says nothing.
        QCOMPARE(prompts->shown().size(), 1);
    }

    void laterSavesOfferTheNameLastChosen()
    {
        const QString first = path(u"first.cfg"_s);
        prompts->answerFile(first);
        save();
        prompts->answerFile(std::nullopt);
        save();
        prompts->answerFile(std::nullopt);
        save();
        QCOMPARE(prompts->shown().size(), 3);
        QCOMPARE(prompts->shown().at(1).request.fileName, first);
        // A cancelled dialog keeps the name from before.
        QCOMPARE(prompts->shown().at(2).request.fileName, first);
    }

    void cancelLeavesAnExistingFileAndSaysNothing()
    {
        QVERIFY(writeFile(path(u"tunewick.cfg"_s), oldBytes));
        prompts->answerFile(std::nullopt);
        save();
        QCOMPARE(contents(path(u"tunewick.cfg"_s)), oldBytes);
        QCOMPARE(prompts->shown().size(), 1);
        QCOMPARE(files(), QStringList{u"tunewick.cfg"_s});
    }

    void replacingAFileAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes replaces it") << true;
        QTest::newRow("No keeps it") << false;
    }

    void replacingAFileAsksFirst()
    {
        QFETCH(bool, yes);
        const QString target = path(u"autoexec.cfg"_s);
        QVERIFY(writeFile(target, oldBytes));
        prompts->answerFile(target);
        prompts->answerYesNo(yes);
        save();

        QCOMPARE(prompts->shown().size(), 2);
        const ScriptedPrompts::Shown &asked = prompts->shown().at(1);
        QCOMPARE(asked.kind, ScriptedPrompts::Kind::YesNo);
        QCOMPARE(asked.title, u"Save the config"_s);
        QCOMPARE(asked.text, QDir::toNativeSeparators(target) + u" already exists.\nDo you want to replace it?"_s);
        QCOMPARE(contents(target), yes ? startFile : oldBytes);
        QCOMPARE(files(), QStringList{u"autoexec.cfg"_s});
    }

    void failedSaveTellsWhichFileAndWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << u"missing/tunewick.cfg"_s << u"No such file or directory"_s;
        QTest::newRow("path is a folder") << u"cfg"_s << u"directory"_s;
    }

    void failedSaveTellsWhichFileAndWhy()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QVERIFY(QDir(tmp->path()).mkpath(u"cfg"_s));
        const QString target = path(name);
        prompts->answerFile(target);
        save();

        QCOMPARE(prompts->shown().size(), 2);
        const ScriptedPrompts::Shown &told = prompts->shown().at(1);
        QCOMPARE(told.kind, ScriptedPrompts::Kind::Inform);
        QCOMPARE(told.title, u"Save the config"_s);
        QVERIFY2(told.text.contains(QDir::toNativeSeparators(target)), qPrintable(told.text));
        QVERIFY2(told.text.contains(reason), qPrintable(told.text));
        QCOMPARE(files(), QStringList{u"cfg"_s});
        QVERIFY(QDir(path(u"cfg"_s)).isEmpty());
    }

    void saveWritesTheRowsNotThePreview()
    {
        window->rows().select(3, RowState::On);
        window->menuAction(u"prv"_s)->trigger();
        QWidget *preview = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == u"preview"_s)
                preview = widget;
        }
        QVERIFY(preview);
        preview->findChild<QPlainTextEdit *>(u"txtprv"_s)->appendPlainText(u"typed in the preview"_s);
        window->rows().select(3, RowState::Off);

        prompts->answerFile(path(u"tunewick.cfg"_s));
        save();
        const QByteArray saved = contents(path(u"tunewick.cfg"_s));
        QVERIFY(saved.contains("\r\ncl_smooth 0\r\n"));
        QVERIFY(!saved.contains("cl_smooth 1"));
        QVERIFY(!saved.contains("typed"));
        // The open preview is left as it was.
        QVERIFY(preview->isVisible());
    }
};

QTEST_MAIN(TestSave)
#include "test_save.moc"
