#include "core/input/ConfigReader.h"

#include "core/catalogue/Choices.h"
#include "core/catalogue/ValueRule.h"
#include "core/input/OutsideFile.h"

ConfigReader::ConfigReader(Choices &choices)
    : m_choices(choices)
    , m_commands([this](const ConfigCommands::Command &command) {
        const ValueRule::Reading reading = ValueRule::read(command.setting, command.value, command.longer);
        if (reading.taken)
            m_choices.set(command.setting, *reading.taken);
        std::optional<LastValue> &last = m_lastValues[static_cast<size_t>(command.setting.place())];
        if (!last)
            last.emplace();
        // Emptied, not replaced: the buffer is kept for the setting's next command.
        last->text.resize(0);
        last->text.append(command.value);
        last->longer = command.longer;
        last->exact = reading.exact;
    })
{
}

bool ConfigReader::readFile(const QString &path)
{
    const bool read = !OutsideFile::stream(path, [this](QByteArrayView chunk) {
                           feed(chunk);
                           return true;
                       }).has_value();
    if (read)
        finish();
    return read;
}
