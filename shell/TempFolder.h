#pragma once
// The user's own temporary folder, as the desktop the program was made for gives every user
// one: "$XDG_RUNTIME_DIR/mirvel", or, without a runtime folder, "mirvel-UID" in the shared
// temporary folder. It is used only when it is a real folder (not a link) of the user's that no
// one else may enter; otherwise a new one with a name of its own is made for the run. Another
// user can then neither read what the program leaves there nor put a link in its way.

#include <QString>

// The folder, without a trailing separator; where none could be made, the path it would have.
QString PrivateTempFolder();
