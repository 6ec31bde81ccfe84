#pragma once

#include "engine/UnitSpecs.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace marovane::fuzz {

// A property every input must keep. A broken one stops the fuzzer, which then keeps the input
// that broke it.
inline void Require(bool holds, std::string_view what) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

// The same, with details that cost something to describe: `describe` runs only when the property
// is broken.
template <class Describe> void Require(bool holds, const char* what, Describe describe) {
    if (!holds)
        Require(false, std::string(what) + describe());
}

// The unit table the game ships with.
inline const UnitSpecs& ShippedSpecs() {
    static const UnitSpecs specs = LoadSpecs(MAROVANE_SOURCE_DIR "/data/specs.txt");
    return specs;
}

} // namespace marovane::fuzz
