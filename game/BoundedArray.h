#pragma once

#include "game/Numbers.h"
#include "game/RuntimeError.h"

#include <array>

namespace pairfall {

// A fixed array indexed Lo..Hi, read and written as Name(i).  An index outside
// the bounds is a run-time error that stops the operation, never a stray access.
template<typename T, int Lo, int Hi>
class BoundedArray {
    static_assert(Lo <= Hi);

public:
    static constexpr int Lower = Lo;
    static constexpr int Upper = Hi;

    T& operator()(int index) { return m_items[Offset(index)]; }
    const T& operator()(int index) const { return m_items[Offset(index)]; }

private:
    static std::size_t Offset(int index)
    {
        if (index < Lo || index > Hi)
            throw RuntimeError::SubscriptOutOfRange();
        return static_cast<std::size_t>(index - Lo);
    }

    std::array<T, Hi - Lo + 1> m_items {};
};

}
