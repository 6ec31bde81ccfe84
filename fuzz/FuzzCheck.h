#pragma once

#include "engine/UnitSpecs.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace marovane::fuzz {

// A property every input must keep. A broken one stops the fuzzer, which then keeps the input
// that broke it.
inline void Require(bool holds, const std::string& what) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}

// The unit table the game ships with.
inline const UnitSpecs& ShippedSpecs() {
    static const UnitSpecs specs = LoadSpecs(MAROVANE_SOURCE_DIR "/data/specs.txt");
    return specs;
}

} // namespace marovane::fuzz
