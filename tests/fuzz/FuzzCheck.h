#pragma once

#include <cstdio>
#include <cstdlib>

namespace pairfall::testing {

// A broken promise ends the run, so libFuzzer keeps the input that broke it.
inline void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

}
