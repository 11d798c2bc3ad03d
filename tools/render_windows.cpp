// Renders the main window, one picture per tab, the splash, the about window and the preview window
// to PNG files without a display:
//   QT_QPA_PLATFORM=offscreen render_windows OUTPUT_FOLDER
#include "Silent.h"

#include "core/catalogue/Catalogue.h"
#include "ui/app/AboutWindow.h"
#include "ui/app/MainWindow.h"
#include "ui/app/SplashWindow.h"
#include "ui/widgets/ClickableLabel.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

bool save(QWidget &widget, const QDir &out, const QString &name)
{
    QApplication::processEvents();
    const QString file = out.filePath(name);
    if (widget.grab().save(file))
        return true;
    QTextStream(stderr) << "cannot write " << file << '\n';
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: render_windows OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(u"."_s))
        return 1;

    SilentPrompts prompts;
    MainWindow window(prompts, QCoreApplication::applicationDirPath() + u"/../data"_s);
    window.initialise();
    window.show();
    auto *tabs = window.findChild<QTabWidget *>(u"sstab"_s);
    for (int tab = 0; tab < Catalogue::tabCount; ++tab) {
        tabs->setCurrentIndex(tab);
        if (!save(window, out, u"main-tab%1.png"_s.arg(tab)))
            return 1;
    }
    window.action(MainWindow::MenuItem::Preview)->trigger();
    for (QWidget *preview : QApplication::topLevelWidgets()) {
        QApplication::processEvents();
        if (preview->objectName() == u"preview"_s && !save(*preview, out, u"preview.png"_s))
            return 1;
    }
    // A description in the Status Bar, as a click on a name shows it.
    tabs->setCurrentIndex(int(Catalogue::Tab::Other));
    emit window.findChild<ClickableLabel *>(u"dxcmd"_s)->clicked();
    if (!save(window, out, u"main-description.png"_s))
        return 1;
    window.setAttribute(Qt::WA_DeleteOnClose, false);

    SplashWindow splash;
    splash.setAttribute(Qt::WA_DeleteOnClose, false);
    splash.show();
    if (!save(splash, out, u"splash.png"_s))
        return 1;

    AboutWindow about;
    about.setAttribute(Qt::WA_DeleteOnClose, false);
    about.show();
    if (!save(about, out, u"about.png"_s))
        return 1;
    return 0;
}
