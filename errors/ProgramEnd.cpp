#include "errors/ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

void EndProgram() {
    std::fflush(nullptr);
    std::_Exit(0);
}
