#include "ui/app/DisplayFont.h"

#include "core/catalogue/Catalogue.h"
#include "ui/catalogue/ControlNames.h"

#include <QAction>
#include <QMenuBar>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace DisplayFont {
namespace {

constexpr int uplabelsFollowing = 3; // uplabel(3) and uplabel(4) keep their face
constexpr int warningCount = 4;
constexpr int choiceCount = 13;

// The controls that take the display face, in the order they are given it.
QStringList followingControls()
{
    QStringList names{u"sstab"_s};
    for (int i = 0; i < uplabelsFollowing; ++i)
        names << indexedName(u"uplabel", i);
    names << u"downlabel"_s << u"infolbl"_s;
    for (const Catalogue::Setting &setting : Catalogue::settings()) {
        if (setting.rowIndex != Catalogue::noRowIndex)
            names << indexedName(u"default", setting.rowIndex) << indexedName(u"cmd", setting.rowIndex);
    }
    for (int member = 0; member < int(Catalogue::dxLevels.size()); ++member)
        names << indexedName(u"dx", member);
    for (int i = 0; i < warningCount; ++i)
        names << indexedName(u"warning", i);
    for (int i = 0; i < choiceCount; ++i)
        names << indexedName(u"choice", i);
    return names;
}

// Controls that would otherwise take the face from the window or the tab strip around them.
QStringList keptControls()
{
    QStringList names{u"Label1"_s, u"dxcmd"_s, u"notdone_1"_s, u"dxbutton"_s, u"uplabel_3"_s, u"uplabel_4"_s};
    for (const Catalogue::SettingId id : Catalogue::allSettings()) {
        const Catalogue::Setting &setting = Catalogue::setting(id);
        if (setting.kind == Catalogue::Kind::ThreeState)
            names << indexedName(u"pic", setting.rowIndex);
        else if (setting.kind == Catalogue::Kind::Slider)
            names << sliderName(id);
    }
    return names;
}

void setFace(QWidget *widget, const QString &face)
{
    QFont font = widget->font();
    font.setFamily(face);
    widget->setFont(font);
}

// The names come from the scheme the tabs use, so each control is found; a missing one would
// be left alone rather than taken for granted.
QList<QWidget *> controls(QWidget &window, const QStringList &names)
{
    QList<QWidget *> found;
    for (const QString &name : names) {
        if (auto *control = window.findChild<QWidget *>(name))
            found.append(control);
    }
    return found;
}

} // namespace

void apply(QWidget &mainWindow, const Actions &actions, std::size_t chosen)
{
    for (std::size_t i = 0; i < actions.size(); ++i)
        actions[i]->setChecked(i == chosen);

    // A widget's face passes to the widgets inside it unless they have one of their own; the
    // controls that keep theirs are given it explicitly before anything around them changes.
    for (QWidget *kept : controls(mainWindow, keptControls()))
        setFace(kept, kept->font().family());
    if (QMenuBar *menus = mainWindow.findChild<QMenuBar *>())
        setFace(menus, menus->font().family());

    const QString face = QString::fromUtf16(items.at(chosen).face);
    setFace(&mainWindow, face);
    for (QWidget *following : controls(mainWindow, followingControls()))
        setFace(following, face);
}

} // namespace DisplayFont
