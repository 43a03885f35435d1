#pragma once
// The current run-time error, as a trap hands it to the error dialog.

#include <QString>

struct ErrObject {
    int Number = 0;
    QString Description;
    int Line = 0; // the numbered step that failed; 0 when the code has no numbered steps

    void Clear() { *this = ErrObject{}; }
};

extern ErrObject Err;
