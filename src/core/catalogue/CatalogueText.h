#pragma once

#include <QString>

#include <string_view>

// The catalogue's names and captions are plain ASCII kept as std::string_view.
inline QString toQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
