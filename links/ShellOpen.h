#pragma once
// Hands a target to the desktop: a web address to the browser, a mailto: address to the
// e-mail program, a file to the program registered for it. Nothing waits for the result,
// and a desktop without such a program is not an error.

#include <QString>

void ShellOpen(const QString& target);
