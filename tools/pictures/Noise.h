#pragma once

#include <cstdint>
#include <vector>

namespace marovane::art {

// A small deterministic random generator (SplitMix64): the same build always draws the same
// pictures, so a rebuild never changes a file that nobody edited.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    // Uniform in [0, 1).
    double Uniform();
    double Range(double low, double high) { return low + (high - low) * Uniform(); }

private:
    uint64_t state_;
};

// Value noise on a square lattice that wraps around at the edges of the unit square. A picture
// made from it repeats without a seam, so a board background can be tiled or stretched.
class TileNoise {
public:
    TileNoise(int period, Rng& rng);
    // u and v in any range; the noise repeats every 1.0. Result in [0, 1].
    double At(double u, double v) const;

private:
    int period_;
    std::vector<double> values_;
};

// Several octaves of tileable noise added up with halving weights, normalised to [0, 1]:
// coarse patches with finer detail on top, as in grass, soil or parchment.
class TileFractal {
public:
    TileFractal(int basePeriod, int octaves, Rng& rng);
    double At(double u, double v) const;

private:
    std::vector<TileNoise> octaves_;
};

} // namespace marovane::art
