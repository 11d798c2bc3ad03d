#include "ui/input/PresetCommands.h"

#include "ui/app/MainWindow.h"
#include "ui/UserPrompts.h"
#include "core/input/PresetFile.h"

#include <QAction>
#include <QDir>

using namespace Qt::StringLiterals;

PresetCommands::PresetCommands(MainWindow &window, UserPrompts &prompts)
    : QObject(&window)
    , m_window(window)
    , m_prompts(prompts)
{
    for (const QString &item : {u"highq"_s, u"defq"_s, u"hfps"_s, u"dhfps"_s}) {
        // Each preset's file is named after its menu item.
        const QString file = item + u".cst"_s;
        connect(window.menuAction(item), &QAction::triggered, this, [this, item, file] { apply(item, file); });
    }
}

void PresetCommands::apply(const QString &objectName, const QString &fileName)
{
    const QString path = m_window.dataFolder() + u'/' + fileName;
    const PresetFile::Parsed parsed = PresetFile::readFile(path);
    if (const auto *problem = std::get_if<PresetFile::Problem>(&parsed)) {
        // The box is titled with the preset's own caption, without its menu accelerator.
        const QString title = m_window.menuAction(objectName)->text().remove(u'&');
        m_prompts.inform(
            &m_window, title,
            u"The preset file %1 was not applied.\n%2"_s.arg(QDir::toNativeSeparators(path), problem->text));
        return;
    }
    PresetFile::apply(std::get<QList<PresetFile::Step>>(parsed), m_window.rows());
}
