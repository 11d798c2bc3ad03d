#pragma once

#include <QtGlobal>

// The sound each platform plays at start-up with: Qt Multimedia, or on Windows the system's own call.
#ifdef Q_OS_WIN
#include "ui/WindowsStartupSound.h"
using PlatformStartupSound = WindowsStartupSound;
#else
#include "ui/QtStartupSound.h"
using PlatformStartupSound = QtStartupSound;
#endif
