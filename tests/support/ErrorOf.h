#pragma once
// The run-time error number a call raises, or 0 when it raises none.

#include "errors/RuntimeError.h"

#include <functional>

inline int errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}
