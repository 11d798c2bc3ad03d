#pragma once

// What every test file starts from: Qt Test with all of Qt Core, and texts written as u"..."_s.
#include <QtTest>

using namespace Qt::StringLiterals;
