#pragma once
// Where the files the program writes go, decided in this one place: beside the program when its
// folder is ours alone to write, else in a folder of the user's (an installed copy, or a copy in
// a folder that others can write too, such as /tmp: they could put files of their choosing
// there). The options file "Mirvel.ini" and the error protocols follow this rule; the store and
// the tune file always live in the user's folders (shell/UserStore.h, shell/TempFolder.h).

#include <QString>

// Whether we may write the program's folder and no other user may.
bool ProgramFolderIsOurs();

enum class UserFolder {
    Config, // ~/.config/Mirvel/
    Data,   // ~/.local/share/Mirvel/
};
// The file `name` beside the program, or in that folder of the user's (made when missing).
QString ProgramFilePath(const QString& name, UserFolder otherwise);

// "Mirvel.ini", in the user's configuration folder when not beside the program.
QString IniFilePath();
