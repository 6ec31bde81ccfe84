#include "Noise.h"
#include "Backgrounds.h"

#include <gtest/gtest.h>

#include <cmath>

namespace marovane::art {
namespace {

TEST(Rng, SameSeedSameNumbersOtherSeedOtherNumbers) {
    Rng a(7), b(7), c(8);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const uint64_t x = a.Next();
        EXPECT_EQ(x, b.Next());
        differs |= x != c.Next();
    }
    EXPECT_TRUE(differs);
}

TEST(Rng, UniformStaysInTheUnitIntervalAndSpreadsEvenly) {
    Rng rng(1);
    double sum = 0;
    int low = 0;
    for (int i = 0; i < 20000; ++i) {
        const double u = rng.Uniform();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        sum += u;
        low += u < 0.25;
    }
    EXPECT_NEAR(sum / 20000, 0.5, 0.01);
    EXPECT_NEAR(low / 20000.0, 0.25, 0.01);
}

TEST(TileNoise, RepeatsEveryUnitAndJoinsSmoothlyAtTheEdge) {
    Rng rng(3);
    const TileNoise noise(5, rng);
    const TileFractal fractal(3, 4, rng);
    for (double v = 0; v < 1; v += 0.037) {
        for (double u = 0; u < 1; u += 0.041) {
            const double value = noise.At(u, v);
            ASSERT_GE(value, 0.0);
            ASSERT_LE(value, 1.0);
            EXPECT_NEAR(noise.At(u + 1, v), value, 1e-9);
            EXPECT_NEAR(noise.At(u, v - 1), value, 1e-9);
            EXPECT_NEAR(fractal.At(u - 2, v + 3), fractal.At(u, v), 1e-9);
        }
        // Just inside the right edge the noise meets the left edge.
        EXPECT_NEAR(noise.At(1 - 1e-7, v), noise.At(0, v), 1e-4);
        EXPECT_NEAR(fractal.At(v, 1 - 1e-7), fractal.At(v, 0), 1e-4);
    }
}

TEST(TileNoise, VariesAcrossTheTile) {
    Rng rng(4);
    const TileNoise noise(4, rng);
    double low = 1, high = 0;
    for (double u = 0; u < 1; u += 0.01) {
        low = std::min(low, noise.At(u, 0.3));
        high = std::max(high, noise.At(u, 0.3));
    }
    EXPECT_GT(high - low, 0.2);
}

TEST(Grass, IsTheSamePictureOnEveryBuild) {
    // Rebuilding must not change a picture that nobody edited.
    EXPECT_EQ(MakeGrass(96), MakeGrass(96));
    EXPECT_EQ(MakeHideCover(QSize(120, 90)), MakeHideCover(QSize(120, 90)));
}

} // namespace
} // namespace marovane::art
