#pragma once
// The operating system's version, as the error protocol reports it: the platform's name, its
// release as major.minor and build, and the rest of its version text.

#include <QDateTime>
#include <QString>
#include <functional>

struct OsVersion {
    QString platform;
    unsigned major = 0, minor = 0, build = 0;
    QString servicePack;
};

// Asks the running system (uname); a failed query leaves every value empty or 0.
OsVersion queryOsVersion();
// Splits a release text such as "6.1.0-18-amd64" and a version text into the record.
OsVersion osVersionOf(const QString& system, const QString& release, const QString& version);

// Where the protocol takes its version and its clock from; a test puts fixed ones here.
namespace protocolSources {
extern std::function<OsVersion()> osVersion;
extern std::function<QDateTime()> now;
} // namespace protocolSources
