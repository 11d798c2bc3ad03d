#pragma once

#include <QString>

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

// Checks the chosen item's menu entry and clears the other two, then sets its face on the main
// window and the catalogue's texts that follow the display font. Size, weight and style stay;
// every other control keeps its face.
void apply(QWidget &mainWindow, const Actions &actions, std::size_t chosen);

} // namespace DisplayFont
