#pragma once

#include <cstdio>
#include <cstdlib>

namespace fuzz {

// A broken invariant ends the run like a crash, so the fuzzer keeps the input that
// broke it and the corpus replay fails on it.
inline void check(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "broken invariant: %s\n", invariant);
        std::abort();
    }
}

} // namespace fuzz
