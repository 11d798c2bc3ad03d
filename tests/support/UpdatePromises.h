#pragma once

#include "core/output/ConfigUpdate.h"

#include <QByteArrayView>
#include <QString>

// What updating `existing` with the `written` settings promises, checked from outside: the byte-order mark
// stays as it was; every byte of every line stays but the value parts of the commands naming written
// settings, and of those only the last per setting may change; the settings no command names follow, a
// line each, as the saved file writes them; in the result, the last command naming each written setting
// reads as the window's value. Empty when all hold, else the first promise broken.
// The edits and added lines the update lists make the new bytes from the old.
QString brokenUpdatePromise(QByteArrayView existing, const ConfigUpdate::Updated &update,
                            const QList<SettingLine> &written);
