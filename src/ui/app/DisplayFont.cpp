#include "ui/app/DisplayFont.h"

#include "core/catalogue/Catalogue.h"

#include <QAction>
#include <QMenuBar>
#include <QWidget>

#include <string_view>

using namespace Qt::StringLiterals;

namespace DisplayFont {
namespace {

constexpr int uplabelsFollowing = 3; // uplabel(3) and uplabel(4) keep their face
constexpr int warningCount = 4;
constexpr int choiceCount = 13;

QString indexed(const char16_t *base, int index)
{
    return QString::fromUtf16(base) + u'_' + QString::number(index);
}

// The controls that take the display face, in the order they are given it.
QStringList followingControls()
{
    QStringList names{u"sstab"_s};
    for (int i = 0; i < uplabelsFollowing; ++i)
        names << indexed(u"uplabel", i);
    names << u"downlabel"_s << u"infolbl"_s;
    for (int row = 0; row < Catalogue::threeStateCount; ++row)
        names << indexed(u"default", row) << indexed(u"cmd", row);
    for (int k = 0; k < Catalogue::sliderCount; ++k)
        names << indexed(u"default", Catalogue::firstSliderRow + k) << indexed(u"cmd", Catalogue::firstSliderRow + k);
    for (int j = 0; j < Catalogue::dxLevelCount; ++j)
        names << indexed(u"dx", j);
    for (int i = 0; i < warningCount; ++i)
        names << indexed(u"warning", i);
    for (int i = 0; i < choiceCount; ++i)
        names << indexed(u"choice", i);
    return names;
}

// Controls that would otherwise take the face from the window or the tab strip around them.
QStringList keptControls()
{
    QStringList names{u"Label1"_s, u"dxcmd"_s, u"notdone_1"_s, u"dxbutton"_s, u"uplabel_3"_s, u"uplabel_4"_s};
    for (int row = 0; row < Catalogue::threeStateCount; ++row)
        names << indexed(u"pic", row);
    for (int k = 0; k < Catalogue::sliderCount; ++k)
        names << indexed(u"Slider", k);
    return names;
}

void setFace(QWidget *widget, const QString &face)
{
    QFont font = widget->font();
    font.setFamily(face);
    widget->setFont(font);
}

QWidget *control(QWidget &window, const QString &name)
{
    auto *found = window.findChild<QWidget *>(name);
    Q_ASSERT_X(found, "DisplayFont", qPrintable(name));
    return found;
}

} // namespace

void apply(QWidget &mainWindow, const Item &item)
{
    for (const Item &each : items) {
        if (auto *action = mainWindow.findChild<QAction *>(QString::fromUtf16(each.actionName)))
            action->setChecked(std::u16string_view(each.actionName) == std::u16string_view(item.actionName));
    }

    // A widget's face passes to the widgets inside it unless they have one of their own; the
    // controls that keep theirs are given it explicitly before anything around them changes.
    for (const QString &name : keptControls()) {
        QWidget *kept = control(mainWindow, name);
        setFace(kept, kept->font().family());
    }
    if (QMenuBar *menus = mainWindow.findChild<QMenuBar *>())
        setFace(menus, menus->font().family());

    const QString face = QString::fromUtf16(item.face);
    setFace(&mainWindow, face);
    for (const QString &name : followingControls())
        setFace(control(mainWindow, name), face);
}

} // namespace DisplayFont
