#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class RowAccess;
struct ValueTable;

// "name value", the unit both config texts are made of.
QString rowLine(const QString &name, const QString &value);

// A line of the saved file that carries a row's value.
struct SettingLine {
    QString name;
    QString text; // "name value"
};

// The settings the saved file writes, in its order: the three-state rows set On or Off, every
// slider, mat_dxlevel when a level is selected.
QList<SettingLine> fileSettingLines(const RowAccess &rows);

// The text the preview window shows: every row, Default rows with their default value text,
// mat_dxlevel after the three-state rows. CR LF between lines, none after the last.
QString composePreviewText(const ValueTable &table);

// The config file as saved, straight from the rows: only rows set On or Off, every slider,
// mat_dxlevel last and only when a level is selected. Every line, the last one included, ends
// with CR LF.
QByteArray composeFileText(const RowAccess &rows);
