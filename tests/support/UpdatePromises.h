#pragma once

#include <QByteArrayView>
#include <QString>

class Choices;

// What updating `existing` over the window's choices promises, checked from outside: the byte-order mark
// stays as it was; the lines that name no written setting stay, in order; one line is added for each
// written setting no line names; opening the result gives every written row the window's value,
// whatever the rows held before. Empty when all hold, else the first promise broken.
QString brokenUpdatePromise(QByteArrayView existing, QByteArrayView updated, const Choices &window);
