#include "core/input/OpenReport.h"

#include "core/catalogue/Choices.h"
#include "core/catalogue/ValueRule.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace OpenReport {

QList<Unshown> unshownValues(const ConfigReader::LastValues &lastValues, const Choices &opened)
{
    QList<Unshown> unshown;
    for (const Catalogue::SettingId setting : Catalogue::allSettings()) {
        const std::optional<ConfigReader::LastValue> &value = lastValues[static_cast<size_t>(setting.place())];
        if (!value || value->exact)
            continue;
        // Players' configs are ASCII or UTF-8; a character cut at the end shows as a replacement.
        const QString text = QString::fromUtf8(value->text) + (value->longer ? u"..."_s : QString());
        unshown.append({setting, text, ValueRule::shownWords(opened.value(setting))});
    }
    return unshown;
}

int settingsRead(const ConfigReader::LastValues &lastValues)
{
    return static_cast<int>(
        std::count_if(lastValues.begin(), lastValues.end(), [](const auto &v) { return v.has_value(); }));
}

} // namespace OpenReport
