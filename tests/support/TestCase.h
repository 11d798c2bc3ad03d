#pragma once

// What every test file starts from: Qt Test with all of Qt Core, and texts written as u"..."_s.
#include <QtTest>

using namespace Qt::StringLiterals;

// A test that needs what only POSIX systems have (named pipes, symbolic links, devices, other users, file
// modes, file size limits) skips on Windows, saying what it needs.
#ifdef Q_OS_WIN
#define SKIP_ON_WINDOWS(needs) QSKIP(needs)
#else
#define SKIP_ON_WINDOWS(needs) static_cast<void>(0)
#endif
