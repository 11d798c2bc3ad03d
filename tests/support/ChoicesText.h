#pragma once

#include "core/catalogue/Choices.h"

#include <QByteArrayView>
#include <QStringList>

// A setting by its console name, as tests name them.
inline Catalogue::SettingId named(std::string_view name)
{
    return Catalogue::findSetting(name).value();
}

// Every setting that differs from a fresh window, as "name=state" (On, Off, a slider's value, a
// DirectX level), in the catalogue's order. Two sets of choices are equal exactly when these are.
QStringList changedSettings(const Choices &choices);

// Choices in any state the window can be in, the same for the same seed: some settings left unset,
// sliders often at the ends of their ranges.
Choices randomChoices(quint32 seed);

// The choices `start` becomes when a config holding `text` is opened over it, the text given to the reader
// in pieces of `piece` bytes (0: at once), so that line ends and a byte-order mark may fall across them.
Choices openedConfig(QByteArrayView text, Choices start = {}, qsizetype piece = 0);
