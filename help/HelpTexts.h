#pragma once
// The few words of the help viewer itself, in the four languages of the program, by their help
// folders (lang/Language.h); another folder gets English.

#include <QString>

enum class HelpText { CannotOpen, NotFound, Back, Forward, Contents };

QString helpText(const QString& language, HelpText which);
