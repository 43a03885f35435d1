#pragma once
// A control array: a fixed number of controls addressed by index. An index outside the array
// raises error 9 (Subscript out of range), an element not loaded yet error 340, instead of
// touching memory that is not there.

#include "errors/RuntimeError.h"

#include <array>
#include <cstddef>

template <class Control, std::size_t Count> class ControlArray : public std::array<Control*, Count> {
public:
    Control* operator()(long long index) const {
        if (index < 0 || index >= static_cast<long long>(Count))
            raiseError(ErrNo::SubscriptOutOfRange);
        Control* element = (*this)[static_cast<std::size_t>(index)];
        if (!element)
            raiseError(ErrNo::ElementNotLoaded);
        return element;
    }
};
