#pragma once

#include <QByteArrayView>
#include <QString>

class Choices;

// What updating `existing` over the window's choices promises, checked from outside: the byte-order mark
// stays as it was; every byte of every line stays but the value parts of the commands naming written
// settings, and of those only the last per setting may change; the settings no command names follow, a
// line each, as the saved file writes them; in the result, the last command naming each written setting
// reads as the window's value. Empty when all hold, else the first promise broken.
QString brokenUpdatePromise(QByteArrayView existing, QByteArrayView updated, const Choices &window);
