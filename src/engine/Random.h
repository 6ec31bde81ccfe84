#pragma once

#include <cstdint>
#include <random>

namespace marovane {

// The game's one source of chance: uniform numbers in [0, 1). The window seeds it from the clock,
// the command-line tool and the tests from a given seed, so the same seed replays the same game.
// The numbers are made from the raw engine output by our own arithmetic, so a seed gives the same
// sequence with every standard library.
class Random {
public:
    explicit Random(uint64_t seed = 1) : engine_(seed) {}

    void Seed(uint64_t seed) { engine_.seed(seed); }

    // A fresh number in [0, 1).
    double Rnd() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};

// A value in [0, 1) that depends only on the seed: the same seed always gives the same value.
// The computer player uses it with the per-player bias so a player explores the same sequence of
// cells every turn.
double SeededRandom(double seed);

} // namespace marovane
