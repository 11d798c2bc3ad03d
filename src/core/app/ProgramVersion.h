#pragma once

#include <QString>

// The program's version numbers. Only major and revision are ever shown.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;

    static ProgramVersion current();

    QString titleText() const;    // "Tunewick 1.5"
    QString labelText() const;    // "Version 1.5"
    int comparisonNumber() const; // major + revision, compared with the published number
};
