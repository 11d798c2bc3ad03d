// Renders the main window, one picture per tab, and the preview window to PNG files without a display:
//   QT_QPA_PLATFORM=offscreen render_windows OUTPUT_FOLDER
#include "app/MainWindow.h"
#include "app/UserPrompts.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueTabs.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// Creation may ask or tell things; the pictures need none of it.
class SilentPrompts final : public UserPrompts {
public:
    bool askYesNo(QWidget *, const QString &, const QString &) override { return true; }
    void inform(QWidget *, const QString &, const QString &) override {}
    std::optional<QString> askOpenFileName(QWidget *, const FileDialogRequest &) override { return {}; }
    std::optional<QString> askSaveFileName(QWidget *, const FileDialogRequest &) override { return {}; }
};

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
    for (int tab = 0; tab < Catalogue::tabCount; ++tab) {
        window.catalogueTabs()->setCurrentIndex(tab);
        QApplication::processEvents();
        const QString file = out.filePath(u"main-tab%1.png"_s.arg(tab));
        if (!window.grab().save(file)) {
            QTextStream(stderr) << "cannot write " << file << '\n';
            return 1;
        }
    }
    window.menuAction(u"prv"_s)->trigger();
    for (QWidget *preview : QApplication::topLevelWidgets()) {
        if (preview->objectName() != u"preview"_s)
            continue;
        QApplication::processEvents();
        const QString file = out.filePath(u"preview.png"_s);
        if (!preview->grab().save(file)) {
            QTextStream(stderr) << "cannot write " << file << '\n';
            return 1;
        }
    }
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    return 0;
}
