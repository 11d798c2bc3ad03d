#include "ui/app/DisplayFont.h"

#include <QAction>
#include <QWidget>

namespace DisplayFont {
namespace {

void setFace(QWidget *widget, const QString &face)
{
    QFont font = widget->font();
    font.setFamily(face);
    widget->setFont(font);
}

} // namespace

void apply(QWidget &mainWindow, const Controls &controls, const Actions &actions, std::size_t chosen)
{
    for (std::size_t i = 0; i < actions.size(); ++i)
        actions[i]->setChecked(i == chosen);

    // A widget's face passes to the widgets inside it unless they have one of their own; the
    // controls that keep theirs are given it explicitly before anything around them changes.
    for (QWidget *kept : controls.keeping)
        setFace(kept, kept->font().family());

    const QString face = QString::fromUtf16(items.at(chosen).face);
    setFace(&mainWindow, face);
    for (QWidget *following : controls.following)
        setFace(following, face);
}

} // namespace DisplayFont
