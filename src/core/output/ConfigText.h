#pragma once

#include "core/catalogue/Catalogue.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Choices;
struct StartupTables;

// A setting's value as a saved file writes it, on a line of its own as "name value".
struct SettingLine {
    Catalogue::SettingId setting;
    QByteArray value;

    QByteArray text() const;
};

// The lines of composeFileText whose settings were set in this window: what saving over a player's
// file writes, so that everything else in it stays the player's.
QList<SettingLine> settingLinesSetInWindow(const Choices &choices);

// The text the preview window shows: every setting in the catalogue's order, switches in Default
// with their default value text from the data folder, level 90 when none is selected. CR LF
// between lines, none after the last.
QString composePreviewText(const Choices &choices, const StartupTables &tables);

// The config file as saved: between the banner and the closing echo, the switches set On or Off,
// every slider, and mat_dxlevel when a level is selected.
// Every line, the last one included, ends with CR LF.
QByteArray composeFileText(const Choices &choices);
