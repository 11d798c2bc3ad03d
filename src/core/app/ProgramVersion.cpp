#include "core/app/ProgramVersion.h"

#include "core/app/BuildInfo.h"

using namespace Qt::StringLiterals;

ProgramVersion ProgramVersion::current()
{
    return {BuildInfo::versionMajor, BuildInfo::versionMinor, BuildInfo::versionRevision};
}

static QString majorDotRevision(const ProgramVersion &v)
{
    return QString::number(v.major) + u'.' + QString::number(v.revision);
}

QString ProgramVersion::titleText() const
{
    return u"Tunewick "_s + majorDotRevision(*this);
}

QString ProgramVersion::labelText() const
{
    return u"Version "_s + majorDotRevision(*this);
}

int ProgramVersion::comparisonNumber() const
{
    return major + revision;
}
