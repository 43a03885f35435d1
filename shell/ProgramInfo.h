#pragma once
// What the program knows about itself: title, version, executable name and folder.

#include <QString>

namespace ProgramInfo {

QString title(); // "Mirvel"
int versionMajor();
int versionMinor();
int versionRevision();
QString exeName(); // the executable's file name without extension
QString folder();  // the folder of the executable

// Lets a test run the program against a folder of its own instead of the executable's.
void setFolder(const QString& folder);

} // namespace ProgramInfo
