#pragma once

#include <cstdint>

namespace marovane {

// A number for naming scratch files beside others (a save's temporary file, a probe of whether a
// folder can be written), so that two writers, in this process or another, never pick the same
// name. Seeded once per thread from the system's entropy, which is slow to open every time.
uint64_t UniqueNumber();

} // namespace marovane
