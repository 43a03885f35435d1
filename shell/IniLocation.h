#pragma once
// Where the program's own files live: beside the program when its folder is ours alone to
// write, else in the user's folders (an installed copy, or a copy in a folder that others can
// write too, such as /tmp: they could put files of their choosing there).

#include <QString>

// Whether we may write the program's folder and no other user may.
bool ProgramFolderIsOurs();
// "Mirvel.ini" beside the program, or in the user's configuration folder under the same name.
QString IniFilePath();
