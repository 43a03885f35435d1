#include "errors/ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

#ifdef MIRVEL_COVERAGE
extern "C" void __gcov_dump();
#endif

void EndProgram() {
    std::fflush(nullptr);
#ifdef MIRVEL_COVERAGE // _Exit skips the exit handler that writes a coverage build's counts
    __gcov_dump();
#endif
    std::_Exit(0);
}
