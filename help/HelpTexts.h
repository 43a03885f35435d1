#pragma once
// The few words of the help viewer itself, in the four languages of the program ("de", "en",
// "sv", "it"); another code gets English.

#include <QString>

enum class HelpText { CannotOpen, NotFound, Back, Forward, Contents };

QString helpText(const QString& language, HelpText which);
