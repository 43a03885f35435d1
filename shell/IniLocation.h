#pragma once
// Where "Mirvel.ini" lives: beside the program, or, when the program's folder cannot be
// written (an installed copy), in the user's configuration folder under the same name.

#include <QString>

QString IniFilePath();
