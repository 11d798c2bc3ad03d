#pragma once

#include <QByteArray>
#include <QString>

class RowAccess;
struct ValueTable;

// "name value", the unit both config texts are made of.
QString rowLine(const QString &name, const QString &value);

// The text the preview window shows: every row, Default rows with their default value text,
// mat_dxlevel after the three-state rows. CR LF between lines, none after the last.
QString composePreviewText(const ValueTable &table);

// The config file as saved, straight from the rows: only rows set On or Off, every slider,
// mat_dxlevel last and only when a level is selected. Every line, the last one included, ends
// with CR LF.
QByteArray composeFileText(const RowAccess &rows);
