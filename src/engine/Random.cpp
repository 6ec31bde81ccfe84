#include "engine/Random.h"

#include <bit>
#include <cmath>

namespace marovane {

float Random::RndSingle() {
    return SingleDraw(Rnd());
}

float SingleDraw(double draw) {
    const float single = static_cast<float>(draw);
    return single < 1.0f ? single : std::nextafter(1.0f, 0.0f);
}

double SeededRandom(double seed) {
    // Seeds are single-precision values (the per-player bias), so hash their float bits: nearby
    // seeds give unrelated values. SplitMix64's finaliser spreads every input bit.
    uint64_t z = std::bit_cast<uint32_t>(static_cast<float>(seed));
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

} // namespace marovane
