#pragma once

#include <QByteArrayView>
#include <QString>

class RowAccess;

// What updating `existing` over the window's rows promises, checked from outside with rules of its
// own: every line that names no written setting stays, in order, with its line end; the lines
// that do name one keep their line end; the settings no line names follow, in order, each with the
// file's first line end; opening the result gives every written row the window's value, whatever
// the rows held before. Empty when all hold, else the first promise broken.
QString brokenUpdatePromise(QByteArrayView existing, QByteArrayView updated, const RowAccess &window);
