#include "app/AboutWindow.h"
#include "app/AppController.h"
#include "app/BuildInfo.h"
#include "app/MainWindow.h"
#include "app/StartupSound.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueTabs.h"
#include "catalogue/RowActions.h"
#include "support/ScriptedPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

class CountingSound final : public StartupSound {
public:
    int plays = 0;
    void play() override { ++plays; }
};

const QString placeholder = u"Command: (cvar name here)\r\nDescription: (description here)"_s;

// Copies the shipped data into folder, with one file replaced when asked.
void copyData(const QString &folder, const QString &replacedFile = {}, const QByteArray &bytes = {})
{
    for (const QString &name : {u"desc.cst"_s, u"sldef.cst"_s, u"defval.cst"_s}) {
        if (name == replacedFile) {
            if (bytes.isNull())
                continue; // left out
            QFile file(folder + u'/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        } else {
            QVERIFY(QFile::copy(QStringLiteral(TUNEWICK_BUILD_DATA_DIR "/") + name, folder + u'/' + name));
        }
    }
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

    ScriptedPrompts *prompts = nullptr;
    CountingSound sound;
    AppController *controller = nullptr;
    MainWindow *window = nullptr;
    QString dataFolder;

    template<typename T = QWidget> T *control(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString info() const { return control<QLabel>(u"infolbl"_s)->text(); }
    QList<AboutWindow *> openAboutWindows() const
    {
        QList<AboutWindow *> found;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *about = qobject_cast<AboutWindow *>(w); about && about->isVisible())
                found << about;
        }
        return found;
    }
    AboutWindow *openAboutWindow() const
    {
        const QList<AboutWindow *> found = openAboutWindows();
        return found.size() == 1 ? found.constFirst() : nullptr;
    }
    void create()
    {
        window = controller->createMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void closeWithYes()
    {
        prompts->answerYesNo(true);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!controller->mainWindow());
    }
    // Shows the tab holding a control so a click lands on a visible widget.
    void showTabOf(QWidget *widget)
    {
        for (int tab = 0; tab < window->catalogueTabs()->count(); ++tab) {
            if (window->catalogueTabs()->widget(tab)->isAncestorOf(widget))
                window->catalogueTabs()->setCurrentIndex(tab);
        }
        QVERIFY(widget->isVisible());
    }
    void click(const QString &name)
    {
        QWidget *widget = control(name);
        showTabOf(widget);
        QTest::mouseClick(widget, Qt::LeftButton);
    }

private slots:
    void init()
    {
        prompts = new ScriptedPrompts;
        sound.plays = 0;
        dataFolder = QStringLiteral(TUNEWICK_BUILD_DATA_DIR);
        controller = new AppController(*prompts, dataFolder, [] {});
        controller->setStartupSound(sound);
        create();
    }

    void cleanup()
    {
        if (controller->mainWindow()) {
            window = controller->mainWindow();
            closeWithYes();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        delete controller;
        delete prompts;
    }

    // Creation

    void eachCreationShowsTheLogoBoxAndPlaysTheSound()
    {
        QCOMPARE(prompts->shown().size(), 1);
        const ScriptedPrompts::Shown logo = prompts->shown().constFirst();
        QCOMPARE(logo.kind, ScriptedPrompts::Kind::Inform);
        QCOMPARE(logo.title, u"Logo"_s);
        const QStringList lines = logo.text.split(u"\r\n"_s);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(u"Tunewick "_s));
        QVERIFY(lines[0].contains(u"logo"_s));
        QVERIFY(lines[0].endsWith(u" "_s + QString::fromUtf8(BuildInfo::contactEmail)));
        QCOMPARE(lines[1], u"Thanks! Your help is very appreciated!"_s);
        QCOMPARE(sound.plays, 1);

        // Change what creation sets, then create the window again as New does.
        window->menuAction(u"statbar"_s)->trigger();
        window->menuAction(u"courier"_s)->trigger();
        click(u"cmd_0"_s);
        window->rows().select(3, RowState::On);
        closeWithYes();
        prompts->clearShown();
        create();

        QCOMPARE(prompts->shown().size(), 1);
        QCOMPARE(prompts->shown().constFirst().title, u"Logo"_s);
        QCOMPARE(prompts->shown().constFirst().text, logo.text);
        QCOMPARE(sound.plays, 2);
        QCOMPARE(window->windowTitle(), u"Tunewick 1.5"_s);
        QCOMPARE(control<QLabel>(u"downlabel"_s)->text(), u"Tunewick 1.5"_s);
        QCOMPARE(info(), placeholder);
        QVERIFY(control(u"infolbl"_s)->isVisible());
        QVERIFY(window->menuAction(u"statbar"_s)->isChecked());
        QVERIFY(window->menuAction(u"arial"_s)->isChecked());
        QVERIFY(!window->menuAction(u"times"_s)->isChecked());
        QVERIFY(!window->menuAction(u"courier"_s)->isChecked());
        QCOMPARE(control(u"cmd_0"_s)->font().family(), u"Arial"_s);
        QCOMPARE(window->rows().rowState(3), RowState::Default);
        QCOMPARE(window->tables().desc[0][0], u"Command: cl_phys_props_enable"_s);
    }

    void builtInSoundIsShortMonoPcm()
    {
        QFile wav(u":/sounds/startup.wav"_s);
        QVERIFY(wav.open(QIODevice::ReadOnly));
        const QByteArray bytes = wav.readAll();
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
        QCOMPARE(bytes.left(4), "RIFF");
        QCOMPARE(bytes.mid(8, 8), "WAVEfmt ");
        QCOMPARE(u16(20), 1);      // PCM
        QCOMPARE(u16(22), 1);      // one channel
        QCOMPARE(u32(24), 11025u); // samples per second
        QCOMPARE(u16(34), 8);      // bits per sample
        QCOMPARE(bytes.mid(36, 4), "data");
        QCOMPARE(u32(40), 9790u);
        QCOMPARE(bytes.size(), 44 + 9790);
    }

    void dataProblemsAreToldInOneBox_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // null: the file is left out
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("resetSlider3"); // Slider(3) after "D" on row 93, from 700
        QTest::newRow("missing file") << u"desc.cst"_s << QByteArray() << u"cannot be read"_s << 500;
        QTest::newRow("too many entries") << u"sldef.cst"_s << QByteArray(15 * 4, 'x').replace("xxxx", "100\n")
                                          << u"holds more than 14 slider values"_s << 100;
        QTest::newRow("ends inside a description")
            << u"desc.cst"_s << QByteArray("a\r\nb\r\n") << u"ends inside a description"_s << 500;
        QTest::newRow("bad slider value") << u"sldef.cst"_s << QByteArray("300\r\n200\r\n2048\r\nabc\r\n")
                                          << u"line 4 (r_dispradius) is \"abc\""_s << 700;
    }

    void dataProblemsAreToldInOneBox()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, what);
        QFETCH(int, resetSlider3);
        QTemporaryDir dir;
        copyData(dir.path(), file, bytes);
        closeWithYes();
        delete controller;
        prompts->clearShown();
        controller = new AppController(*prompts, dir.path(), [] {});
        controller->setStartupSound(sound);
        create();

        QCOMPARE(prompts->shown().size(), 2);
        QCOMPARE(prompts->shown()[0].title, u"Logo"_s);
        const ScriptedPrompts::Shown &box = prompts->shown()[1];
        QCOMPARE(box.kind, ScriptedPrompts::Kind::Inform);
        QCOMPARE(box.title, u"Data files"_s);
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(dir.filePath(file)) + u": "_s + what),
                 qPrintable(box.text));
        QCOMPARE(sound.plays, 2);

        // The window goes on working with what was read.
        QCOMPARE(info(), placeholder);
        click(u"cmd_90"_s);
        QCOMPARE(info(), RowActions::descriptionText(window->tables(), 38));
        window->rows().setSliderValue(3, 700);
        click(u"default_93"_s);
        QCOMPARE(window->rows().sliderValue(3), resetSlider3);
        click(u"default_0"_s);
        QCOMPARE(window->rows().rowState(0), RowState::On);
    }

    // Row actions

    void nameLabelsShowTheirDescription_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("variable");
        QTest::newRow("cmd(0)") << u"cmd_0"_s << 0 << u"cl_phys_props_enable"_s;
        QTest::newRow("cmd(36)") << u"cmd_36"_s << 36 << u"gameui_hide"_s;
        QTest::newRow("dxcmd") << u"dxcmd"_s << 37 << u"mat_dxlevel"_s;
        QTest::newRow("cmd(90)") << u"cmd_90"_s << 38 << u"cl_phys_props_max"_s;
        QTest::newRow("cmd(103)") << u"cmd_103"_s << 51 << u"fov"_s;
    }

    void nameLabelsShowTheirDescription()
    {
        QFETCH(QString, label);
        QFETCH(int, slot);
        QFETCH(QString, variable);
        click(label);
        const auto &lines = window->tables().desc[slot];
        QCOMPARE(info(), lines[0] + u"\r\n"_s + lines[1] + u"\r\n"_s + lines[2]);
        QCOMPARE(lines[0], u"Command: "_s + variable);
        QCOMPARE(control<QLabel>(u"infolbl"_s)->textFormat(), Qt::PlainText);

        click(label); // the same text again
        QCOMPARE(info(), RowActions::descriptionText(window->tables(), slot));
        click(u"cmd_5"_s); // another label replaces it completely
        QCOMPARE(info(), RowActions::descriptionText(window->tables(), 5));
    }

    void resetButtons_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<RowState>("before");
        QTest::addColumn<RowState>("after");
        QTest::newRow("cl_interp from Default") << 32 << RowState::Default << RowState::Off;
        QTest::newRow("cl_interp from On") << 32 << RowState::On << RowState::Off;
        QTest::newRow("gameui_hide from Off") << 36 << RowState::Off << RowState::On;
        QTest::newRow("cl_phys_props_enable from Default") << 0 << RowState::Default << RowState::On;
        QTest::newRow("cl_c4dynamiclight already Off") << 4 << RowState::Off << RowState::Off;
    }

    void resetButtons()
    {
        QFETCH(int, row);
        QFETCH(RowState, before);
        QFETCH(RowState, after);
        if (before != RowState::Default)
            window->rows().select(row, before);
        click(u"default_%1"_s.arg(row));
        QCOMPARE(window->rows().rowState(row), after);
        QCOMPARE(control<QAbstractButton>(u"Option1_%1"_s.arg(row))->isChecked(), after == RowState::On);
        QCOMPARE(control<QAbstractButton>(u"Option0_%1"_s.arg(row))->isChecked(), after == RowState::Off);
        for (int other = 0; other < Catalogue::threeStateCount; ++other) {
            if (other != row)
                QCOMPARE(window->rows().rowState(other), RowState::Default);
        }
    }

    void sliderResetUsesItsSldefEntry_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("expected");
        QTest::newRow("cl_phys_props_max, entry 0") << 90 << 300;
        QTest::newRow("r_dispradius, entry 3") << 93 << 500;
        QTest::newRow("fov, entry 13") << 103 << 90;
    }

    void sliderResetUsesItsSldefEntry()
    {
        QFETCH(int, row);
        QFETCH(int, expected);
        const int k = Catalogue::sliderNumber(row);
        QCOMPARE(window->tables().sldef[k], QString::number(expected));
        auto *slider = control<QSlider>(u"Slider_%1"_s.arg(k));
        slider->setValue(slider->minimum());
        click(u"default_%1"_s.arg(row));
        QCOMPARE(slider->value(), expected);
    }

    void directXResetSelectsLevel90()
    {
        click(u"dxbutton"_s);
        QVERIFY(control<QAbstractButton>(u"dx_5"_s)->isChecked());
        click(u"dx_1"_s);
        click(u"dxbutton"_s);
        QCOMPARE(window->rows().selectedDx(), std::optional<int>(5));
        QVERIFY(!control<QAbstractButton>(u"dx_1"_s)->isChecked());
    }

    // Display font

    void fontItemsChangeExactlyTheirControls_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("face");
        QTest::newRow("Times New Roman") << u"times"_s << u"Times New Roman"_s;
        QTest::newRow("Courier New") << u"courier"_s << u"Courier New"_s;
        QTest::newRow("Arial again") << u"arial"_s << u"Arial"_s;
    }

    void fontItemsChangeExactlyTheirControls()
    {
        QFETCH(QString, item);
        QFETCH(QString, face);
        QStringList following{u"sstab"_s,      u"uplabel_0"_s, u"uplabel_1"_s,   u"uplabel_2"_s,  u"downlabel"_s,
                              u"infolbl"_s,    u"default_0"_s, u"cmd_0"_s,       u"default_36"_s, u"cmd_36"_s,
                              u"default_90"_s, u"cmd_90"_s,    u"default_103"_s, u"cmd_103"_s};
        for (int i = 0; i < 6; ++i)
            following << u"dx_%1"_s.arg(i);
        for (int i = 0; i < 4; ++i)
            following << u"warning_%1"_s.arg(i);
        for (int i = 0; i < 13; ++i)
            following << u"choice_%1"_s.arg(i);
        const QStringList keptArial{u"uplabel_3"_s, u"uplabel_4"_s, u"Label1"_s,  u"dxcmd"_s,
                                    u"notdone_1"_s, u"dxbutton"_s,  u"Slider_0"_s};
        const QStringList keptCourier{u"Option1_0"_s, u"Option0_0"_s, u"Option1_36"_s, u"Option0_36"_s};

        // From another face first, so that every case changes something.
        window->menuAction(item == u"times"_s ? u"courier"_s : u"times"_s)->trigger();
        window->menuAction(item)->trigger();

        for (const QString &name : {u"arial"_s, u"times"_s, u"courier"_s})
            QCOMPARE(window->menuAction(name)->isChecked(), name == item);
        QCOMPARE(window->font().family(), face);
        QCOMPARE(window->catalogueTabs()->tabBar()->font().family(), face);
        for (const QString &name : following) {
            QCOMPARE(control(name)->font().family(), face);
            QCOMPARE(control(name)->font().pointSizeF(), 8.25);
        }
        for (const QString &name : keptArial)
            QCOMPARE(control(name)->font().family(), u"Arial"_s);
        for (const QString &name : keptCourier)
            QCOMPARE(control(name)->font().family(), u"Courier New"_s);
        QVERIFY(control(u"Label1"_s)->font().italic());
        QCOMPARE(window->menuBar()->font().family(), u"Arial"_s);
    }

    void choosingTheCheckedFontAgainKeepsIt()
    {
        window->menuAction(u"times"_s)->trigger();
        window->menuAction(u"times"_s)->trigger();
        QVERIFY(window->menuAction(u"times"_s)->isChecked());
        QVERIFY(!window->menuAction(u"arial"_s)->isChecked());
        QVERIFY(!window->menuAction(u"courier"_s)->isChecked());
        QCOMPARE(control(u"cmd_0"_s)->font().family(), u"Times New Roman"_s);
    }

    // About window

    void aboutOpensOneModelessWindow()
    {
        window->menuAction(u"about"_s)->trigger();
        AboutWindow *about = openAboutWindow();
        QVERIFY(about);
        QCOMPARE(about->objectName(), u"aboutfr"_s);
        QCOMPARE(about->windowTitle(), u"About Tunewick"_s);
        QVERIFY(!about->isModal());
        QCOMPARE(about->findChild<QLabel *>(u"Label1"_s)->text(), u"Tunewick"_s);
        QCOMPARE(about->findChild<QLabel *>(u"lblVersion"_s)->text(), u"Version 1.5"_s);
        QVERIFY(about->findChild<QLabel *>(u"lblDescription"_s)
                    ->text()
                    .contains(QString::fromUtf8(BuildInfo::contactEmail)));
        QCOMPARE(about->findChild<QLabel *>(u"lblDisclaimer"_s)->text(), QString());
        QVERIFY(!about->findChild<QLabel *>(u"lblTitle"_s)->text().isEmpty());

        window->menuAction(u"about"_s)->trigger();
        QCOMPARE(openAboutWindows(), QList<AboutWindow *>{about});

        // The main window still takes input.
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        click(u"cmd_33"_s);
        QVERIFY(info().startsWith(u"Command: cl_showfps"_s));
        window->menuAction(u"statbar"_s)->trigger();
        QVERIFY(!window->menuAction(u"statbar"_s)->isChecked());
    }

    void aboutWindowCloses_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << u"OK"_s;
        QTest::newRow("Enter") << u"Enter"_s;
        QTest::newRow("Esc") << u"Esc"_s;
        QTest::newRow("close button") << u"close"_s;
    }

    void aboutWindowCloses()
    {
        QFETCH(QString, how);
        window->menuAction(u"about"_s)->trigger();
        QPointer<AboutWindow> about = openAboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        if (how == u"OK"_s)
            QTest::mouseClick(about->findChild<QAbstractButton *>(u"cmdOK"_s), Qt::LeftButton);
        else if (how == u"Enter"_s)
            QTest::keyClick(about, Qt::Key_Return);
        else if (how == u"Esc"_s)
            QTest::keyClick(about, Qt::Key_Escape);
        else
            about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about);
        QVERIFY(window->isVisible());

        window->menuAction(u"about"_s)->trigger(); // a fresh one
        QVERIFY(openAboutWindow());
        QCOMPARE(openAboutWindow()->findChild<QLabel *>(u"lblVersion"_s)->text(), u"Version 1.5"_s);
    }

    void exitWithYesClosesTheAboutWindowToo()
    {
        window->menuAction(u"about"_s)->trigger();
        QPointer<AboutWindow> about = openAboutWindow();
        prompts->answerYesNo(false);
        window->menuAction(u"exit"_s)->trigger();
        QVERIFY(about && about->isVisible());
        prompts->answerYesNo(true);
        window->menuAction(u"exit"_s)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about);
        QVERIFY(!controller->mainWindow());
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
