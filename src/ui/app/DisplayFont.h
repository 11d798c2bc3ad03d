#pragma once

#include <QList>
#include <QString>
#include <QWidgetList>

#include <array>

class QAction;
class QWidget;

// The display face of the main window's texts: Arial, Times New Roman or Courier New.
namespace DisplayFont {

struct Item {
    const char16_t *actionName; // the menu item that chooses the face and carries its check mark
    const char16_t *caption;    // that menu item's text
    const char16_t *face;
};

inline constexpr std::array<Item, 3> items = {{
    {u"arial", u"Font: Arial", u"Arial"},
    {u"times", u"Font: Times New Roman", u"Times New Roman"},
    {u"courier", u"Font: Courier New", u"Courier New"},
}};

// The menu entries of the three items, in the order of items.
using Actions = std::array<QAction *, items.size()>;

// The controls the face is set on: those that take it, and those that keep their own face whatever
// face the window around them takes. Every other control takes the face of the widget it is in.
struct Controls {
    QWidgetList following;
    QWidgetList keeping;
};

// Checks the chosen item's menu entry and clears the other two, then sets its face on the main
// window and the controls that follow it. Size, weight and style stay.
void apply(QWidget &mainWindow, const Controls &controls, const Actions &actions, std::size_t chosen);

} // namespace DisplayFont
