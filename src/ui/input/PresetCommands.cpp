#include "ui/input/PresetCommands.h"

#include "core/input/PresetFile.h"
#include "ui/CurrentChoices.h"
#include "ui/UserPrompts.h"

#include <QDir>
#include <QWidget>

using namespace Qt::StringLiterals;

PresetCommands::PresetCommands(UserPrompts &prompts, CurrentChoices &choices, QString dataFolder, QWidget *window)
    : QObject(window)
    , m_prompts(prompts)
    , m_choices(choices)
    , m_dataFolder(std::move(dataFolder))
    , m_window(window)
{
}

void PresetCommands::apply(const QString &caption, const QString &fileName)
{
    const QString path = m_dataFolder + u'/' + fileName;
    const PresetFile::Parsed parsed = PresetFile::readFile(path);
    if (const auto *problem = std::get_if<PresetFile::Problem>(&parsed)) {
        m_prompts.inform(
            m_window, caption,
            u"The preset file %1 was not applied.\n%2"_s.arg(QDir::toNativeSeparators(path), problem->text));
        return;
    }
    Choices preset = m_choices.value();
    PresetFile::apply(std::get<QList<PresetFile::Step>>(parsed), preset);
    m_choices.change(preset, caption + u" preset"_s);
}
