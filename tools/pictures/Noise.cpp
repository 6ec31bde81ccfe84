#include "Noise.h"

#include <cmath>

namespace marovane::art {

uint64_t Rng::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::Uniform() {
    return double(Next() >> 11) * (1.0 / 9007199254740992.0);
}

TileNoise::TileNoise(int period, Rng& rng) : period_(period), values_(period * period) {
    for (double& value : values_)
        value = rng.Uniform();
}

double TileNoise::At(double u, double v) const {
    const double x = (u - std::floor(u)) * period_;
    const double y = (v - std::floor(v)) * period_;
    const int x0 = int(x) % period_;
    const int y0 = int(y) % period_;
    const int x1 = (x0 + 1) % period_;
    const int y1 = (y0 + 1) % period_;
    // Smoothstep weights hide the lattice that plain linear blending would show.
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double fx = smooth(x - std::floor(x));
    const double fy = smooth(y - std::floor(y));
    auto at = [this](int i, int j) { return values_[j * period_ + i]; };
    const double top = at(x0, y0) + (at(x1, y0) - at(x0, y0)) * fx;
    const double bottom = at(x0, y1) + (at(x1, y1) - at(x0, y1)) * fx;
    return top + (bottom - top) * fy;
}

TileFractal::TileFractal(int basePeriod, int octaves, Rng& rng) {
    for (int i = 0; i < octaves; ++i)
        octaves_.emplace_back(basePeriod << i, rng);
}

double TileFractal::At(double u, double v) const {
    double sum = 0, weight = 1, total = 0;
    for (const TileNoise& octave : octaves_) {
        sum += octave.At(u, v) * weight;
        total += weight;
        weight *= 0.5;
    }
    return sum / total;
}

} // namespace marovane::art
