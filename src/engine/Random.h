#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <utility>

namespace marovane {

// The game's one source of chance: uniform numbers in [0, 1). The window seeds it from the clock,
// the command-line tool and the tests from a given seed, so the same seed replays the same game.
// The numbers are made from the raw engine output by our own arithmetic, so a seed gives the same
// sequence with every standard library.
class Random {
public:
    // Numbers to hand out instead of the generator's, for a game that must see chosen draws.
    using Source = std::function<double()>;

    explicit Random(uint64_t seed = 1) : engine_(seed) {}

    void Seed(uint64_t seed) { engine_.seed(seed); }
    // From now on the numbers come from the source; an empty source goes back to the generator.
    void SetSource(Source source) { source_ = std::move(source); }

    // A fresh number in [0, 1).
    double Rnd() {
        if (source_)
            return source_();
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }
    // A fresh number in [0, 1) in single precision, where the rules keep their draws.
    float RndSingle();

private:
    std::mt19937_64 engine_;
    Source source_;
};

// A draw in single precision. The float nearest to a draw just below 1 is 1 itself, which would
// put a roll at its top or a bias at -1; such draws become the largest float below 1.
float SingleDraw(double draw);

// A value in [0, 1) that depends only on the seed: the same seed always gives the same value.
// The computer player uses it with the per-player bias so a player explores the same sequence of
// cells every turn.
double SeededRandom(double seed);

} // namespace marovane
