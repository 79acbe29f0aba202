// The population samplers' end values, every generator value, whole samples and the Normal
// cache, the shapes' moments, the delay keys.
#include <cmath>
#include <cstdint>
#include <iterator>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Keys.h"
#include "platform/Rand.h"
#include "plot/Population.h"
#include "plot/SamplePacing.h"

namespace dulm {
namespace {

// A seed after which rand() returns the wanted value.
unsigned SeedGiving(int wanted) {
    for (unsigned seed = 0;; ++seed) {
        srand(seed);
        if (rand() == wanted) return seed;
    }
}


TEST(PopulationSampler, EndValuesOfTheGenerator) {
    PopulationSampler sampler;
    const unsigned low = SeedGiving(0);
    const unsigned high = SeedGiving(32767);

    srand(low);
    EXPECT_EQ(sampler.SampleUniform(), -5.0f);
    srand(high);
    EXPECT_EQ(sampler.SampleUniform(), 5.0f);
    srand(low);
    EXPECT_EQ(sampler.SampleVShaped(), -5.0);
    srand(high);
    EXPECT_EQ(sampler.SampleVShaped(), 5.0);
    srand(low);
    EXPECT_EQ(sampler.SampleTriangular(), -5.0);
    srand(high);
    EXPECT_EQ(sampler.SampleTriangular(), 5.0);
}

// Each shape has its own mean and mean square (Uniform 0 and 100/12, V-shaped 0 and 12.5,
// Triangular 5/3 and 50/9 + 25/9, Normal 0 and 1): 20000 observations of the chosen shape land
// near its pair and far from every other shape's.
TEST(PopulationSampler, SampleFollowsTheChosenShape) {
    struct Moments {
        PopulationShape shape;
        double mean, meanSquare;
    };
    const Moments shapes[] = {{PopulationShape::Uniform, 0.0, 100.0 / 12.0},
                              {PopulationShape::VShaped, 0.0, 12.5},
                              {PopulationShape::Triangular, 5.0 / 3.0, 75.0 / 9.0},
                              {PopulationShape::Normal, 0.0, 1.0}};
    PopulationSampler sampler;
    for (const Moments& m : shapes) {
        sampler.Start(m.shape);
        EXPECT_EQ(sampler.Shape(), m.shape);
        srand(255u * 17u);
        double sum = 0.0, sumSq = 0.0;
        constexpr int kN = 20000;
        for (int i = 0; i < kN; ++i) {
            const double x = sampler.Sample();
            sum += x;
            sumSq += x * x;
        }
        EXPECT_NEAR(sum / kN, m.mean, 0.15) << PopulationName(m.shape);
        EXPECT_NEAR(sumSq / kN, m.meanSquare, 0.4) << PopulationName(m.shape);
    }
}

// The polar method, worked by hand from the generator's sequence.
struct PolarPair {
    double first;
    float second;
    int draws;
};
PolarPair PolarByHand(unsigned seed) {
    srand(seed);
    int draws = 0;
    for (;;) {
        const float u1 = static_cast<float>(2.0 * rand() / 32767.0 - 1.0);
        const float u2 = static_cast<float>(2.0 * rand() / 32767.0 - 1.0);
        draws += 2;
        const float s = u1 * u1 + u2 * u2;
        if (s > 1.0f) continue;
        const double f = std::sqrt(-2.0 * std::log(s) / s);
        return {u1 * f, static_cast<float>(u2 * f), draws};
    }
}

TEST(PopulationSampler, NormalDrawsAPairThenServesTheCachedDeviate) {
    for (unsigned seed : {1u, 255u * 7u, 255u * 200u}) {
        const PolarPair expected = PolarByHand(seed);
        PopulationSampler sampler;
        srand(seed);
        EXPECT_EQ(sampler.SampleNormal(), expected.first);
        const int next = rand();  // the generator moved on by expected.draws values
        srand(seed);
        for (int i = 0; i < expected.draws; ++i) rand();
        EXPECT_EQ(rand(), next) << "seed " << seed;

        srand(seed);
        PopulationSampler again;
        again.SampleNormal();
        EXPECT_EQ(again.SampleNormal(), expected.second);  // no generator value consumed
        EXPECT_EQ(rand(), next);
    }
}

TEST(PopulationSampler, EachSamplerKeepsItsOwnNormalCache) {
    const PolarPair expected = PolarByHand(99);
    PopulationSampler a;
    PopulationSampler b;
    srand(99);
    a.SampleNormal();                           // a caches its second deviate
    EXPECT_NE(b.SampleNormal(), expected.second);  // b draws its own pair
    EXPECT_EQ(a.SampleNormal(), expected.second);
}

// The seed after which rand() returns r: the state must become r * 65536, and the step
// x * 214013 + 2531011 is undone with the inverse of 214013 modulo 2^32.
unsigned SeedFor(int r) {
    std::uint32_t inverse = 214013u;  // Newton's iteration doubles the correct low bits each time
    for (int i = 0; i < 5; ++i) inverse *= 2u - 214013u * inverse;
    return ((static_cast<std::uint32_t>(r) << 16) - 2531011u) * inverse;
}

// Each shape's observation for a value r of the generator, from the shapes' definitions.
double ByHand(PopulationShape shape, int r) {
    switch (shape) {
    case PopulationShape::Uniform: return (static_cast<float>(r) * 100.0f / 32767.0f - 50.0f) * 0.1f;
    case PopulationShape::VShaped: {
        const double t = r * 50.0 / 32767.0;
        return t >= 25.0 ? std::sqrt(t - 25.0) : -std::sqrt(25.0 - t);
    }
    case PopulationShape::Triangular: return std::sqrt(r * 100.0 / 32767.0) - 5.0;
    case PopulationShape::Normal: break;
    }
    return 0.0;
}

TEST(PopulationSampler, EveryGeneratorValueGivesTheShapesObservation) {
    PopulationSampler sampler;
    srand(SeedFor(12345));
    ASSERT_EQ(rand(), 12345);
    for (auto shape : {PopulationShape::Uniform, PopulationShape::VShaped, PopulationShape::Triangular}) {
        sampler.Start(shape);
        for (int r = 0; r <= 32767; ++r) {
            const double expected = ByHand(shape, r);
            srand(SeedFor(r));
            ASSERT_EQ(sampler.Sample(), expected) << PopulationName(shape) << " r " << r;
            srand(SeedFor(r));
            ASSERT_EQ(sampler.SumOfSample(1), static_cast<float>(expected)) << PopulationName(shape) << " r " << r;
        }
    }
}

// The Normal deviates one after another, the second of each pair cached for the next.
class NormalByHand {
public:
    double Next() {
        if (m_cached) {
            m_cached = false;
            return m_cache;
        }
        const PolarPair pair = PolarFromHere();
        m_cache = pair.second;
        m_cached = true;
        return pair.first;
    }

private:
    static PolarPair PolarFromHere() {
        for (;;) {
            const float u1 = static_cast<float>(2.0 * rand() / 32767.0 - 1.0);
            const float u2 = static_cast<float>(2.0 * rand() / 32767.0 - 1.0);
            const float s = u1 * u1 + u2 * u2;
            if (s > 1.0f) continue;
            const double f = std::sqrt(-2.0 * std::log(s) / s);
            return {u1 * f, static_cast<float>(u2 * f), 0};
        }
    }
    bool m_cached = false;
    float m_cache = 0.0f;
};

// Samples of several sizes in a row, odd ones leaving a Normal deviate cached for the next: each
// sum is the single-precision sum of the observations in the order drawn, and the generator ends
// where as many single draws would leave it.
TEST(PopulationSampler, SumOfSampleAddsTheObservationsInTheOrderDrawn) {
    const int sizes[] = {100, 7, 1, 0, 2, 25, 100};
    for (int index = 0; index <= 3; ++index) {
        const PopulationShape shape = ShapeFromIndex(index);
        for (unsigned seed : {0u, 255u * 131u}) {
            srand(seed);
            NormalByHand normal;
            std::vector<float> expected;
            for (int n : sizes) {
                float sum = 0.0f;
                for (int i = 0; i < n; ++i)
                    sum += static_cast<float>(shape == PopulationShape::Normal ? normal.Next() : ByHand(shape, rand()));
                expected.push_back(sum);
            }
            const int next = rand();

            PopulationSampler sampler;
            sampler.Start(shape);
            srand(seed);
            for (size_t k = 0; k < std::size(sizes); ++k)
                EXPECT_EQ(sampler.SumOfSample(sizes[k]), expected[k]) << PopulationName(shape) << " sample " << k;
            EXPECT_EQ(rand(), next) << PopulationName(shape) << " seed " << seed;
        }
    }
}

TEST(Population, MomentsNamesAndPictures) {
    EXPECT_EQ(PopulationMean(PopulationShape::Triangular), 1.6666666f);
    EXPECT_EQ(PopulationMean(PopulationShape::Normal), 0.0f);
    EXPECT_DOUBLE_EQ(PopulationVariance(PopulationShape::Uniform), 100.0 / 12.0);
    EXPECT_DOUBLE_EQ(PopulationVariance(PopulationShape::VShaped), 12.5);
    EXPECT_DOUBLE_EQ(PopulationVariance(PopulationShape::Triangular), 50.0 / 9.0);
    EXPECT_STREQ(PopulationName(PopulationShape::VShaped), "V-shaped");
    EXPECT_DOUBLE_EQ(PopulationPicture(PopulationShape::VShaped, -5.0f), 10.0);
    EXPECT_DOUBLE_EQ(PopulationPicture(PopulationShape::Triangular, 5.0f), 10.0);
    EXPECT_NEAR(PopulationPicture(PopulationShape::Normal, 0.0f), 9.575, 1e-3);
    EXPECT_EQ(ShapeFromIndex(7), PopulationShape::Uniform);
}

TEST(SamplePacing, DigitsSetTheDelayAndThePauseKeyEntersStepMode) {
    SamplePacing pacing;
    pacing.OnKeyUp('3', 0x04);
    EXPECT_EQ(pacing.m_delay, 900);
    pacing.OnKeyUp(0x69, 0x49);  // keypad 9
    EXPECT_EQ(pacing.m_delay, 8100);
    pacing.OnKeyUp(0x60, 0x52);  // keypad 0
    EXPECT_EQ(pacing.m_delay, 0);
    pacing.OnKeyUp('A', 0x1E);
    EXPECT_EQ(pacing.m_delay, 0);
    EXPECT_EQ(pacing.m_bStep, 0);
    pacing.OnKeyUp(0x13, 0x45);  // Pause
    EXPECT_EQ(pacing.m_bStep, 1);
    EXPECT_EQ(DigitOfKey(0x1B, 0x01), std::nullopt);
}

}  // namespace
}  // namespace dulm
