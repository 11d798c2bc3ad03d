#pragma once

#include <QAccessible>

// What a screen reader's link to the program hears. The offscreen platform has no active
// accessibility, so update handlers are never called; a bridge plugin built into the test
// still receives every event Qt raises, and records it.
// The kinds of event raised for object since the last call; forgets all recorded so far.
QList<QAccessible::Event> takeAccessibleEvents(const QObject *object);
