#pragma once

#include "core/catalogue/Catalogue.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <bitset>

class Choices;
struct StartupTables;

// A setting's value as a saved file writes it, on a line of its own as "name value".
struct SettingLine {
    Catalogue::SettingId setting;
    QByteArray value;

    QByteArray text() const;
};

// The settings set in this window, as a saved file writes them and in its order: the switches set On
// or Off, the sliders, and mat_dxlevel last. A switch in Default and no level are never written.
QList<SettingLine> settingLinesSetInWindow(const Choices &choices);
// The settings marked in `changed`, whether set or not: what Update of the window's own file writes.
QList<SettingLine> settingLinesChanged(const Choices &choices, const std::bitset<Catalogue::settingCount> &changed);

// The text the preview window shows: every setting in the catalogue's order, switches in Default
// with their default value text from the data folder, level 90 when none is selected. CR LF
// between lines, none after the last.
QString composePreviewText(const Choices &choices, const StartupTables &tables);

// A new config file: the lines between the banner and the closing echo. Every line, the last one
// included, ends with CR LF.
QByteArray composeFileText(const QList<SettingLine> &lines);
