#pragma once
// A property a fuzz target checks: when it does not hold, the target says which and aborts, so
// that libFuzzer keeps the input as a crash.

#include <cstdio>
#include <cstdlib>

namespace plv::fuzz {

inline void Require(bool ok, const char* target, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "%s: %s\n", target, what);
        std::abort();
    }
}

}  // namespace plv::fuzz
