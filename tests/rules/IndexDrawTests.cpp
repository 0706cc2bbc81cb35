#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "LongTests.hpp"
#include "rules/BufferedDraws.hpp"
#include "rules/RandomSource.hpp"
#include "rules/SeededRNG.hpp"

namespace pellox {
namespace {

// The index through a double, as every draw was scaled before the integer path.
std::int64_t throughDouble(std::uint32_t bits, std::int64_t from, std::int64_t to) {
    return drawIndex(static_cast<double>(bits) / 4294967296.0, from, to);
}

TEST(IndexDrawTests, IntegerScalingEqualsTheDoublePathForEveryOutputAndSpan) {
    // The extreme outputs, the powers of two around them and a spread of others, over the spans the
    // samplers use, every span up to 4096, the edge of the exact range and spans beyond it.
    std::vector<std::uint32_t> outputs{0u, 1u, 2u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFEu, 0xFFFFFFFFu};
    for (int bit = 0; bit < 32; ++bit) {
        outputs.push_back(std::uint32_t{1} << bit);
        outputs.push_back((std::uint32_t{1} << bit) - 1);
    }
    SeededRNG rng(20240607);
    for (int i = 0; i < 2000 * test::longRunFactor(); ++i)
        outputs.push_back(rng.nextUInt32());
    std::vector<std::int64_t> spans;
    for (std::int64_t span = 1; span <= 4096; ++span)
        spans.push_back(span);
    for (std::int64_t span :
         {1326LL, 65535LL, 1LL << 20, (1LL << 21) - 1, 1LL << 21, (1LL << 21) + 1, 1LL << 30, 3000000000LL})
        spans.push_back(span);
    for (std::int64_t span : spans)
        for (std::uint32_t bits : outputs)
            for (std::int64_t from : {0LL, 7LL}) {
                const std::int64_t expected = throughDouble(bits, from, from + span);
                ASSERT_EQ(scaledIndex(bits, from, from + span), expected)
                    << "bits " << bits << " span " << span << " from " << from;
                if (span <= 52) {
                    ASSERT_EQ(scaledCardIndex(bits, from, from + span), expected);
                }
                ASSERT_GE(expected, from);
                ASSERT_LT(expected, from + span);
            }
}

TEST(IndexDrawTests, GeneratorIndicesEqualItsDoubleDrawsOverManyStates) {
    SeededRNG states(99);
    for (int i = 0; i < 20000 * test::longRunFactor(); ++i) {
        const std::uint32_t state = states.nextUInt32();
        const int span = 1 + static_cast<int>(states.nextUInt32() % 1326);
        SeededRNG integer(state);
        SeededRNG viaDouble(state);
        ASSERT_EQ(integer.nextIndex(3, 3 + span), drawIndex(viaDouble.next(), 3, 3 + span)) << state;
        ASSERT_EQ(integer.s, viaDouble.s);
    }
}

TEST(IndexDrawTests, RandomSourceIndexTakesOneDrawFromGeneratorOrCallable) {
    SeededRNG a(5);
    SeededRNG b(5);
    SeededRNG c(5);
    auto callable = [&c] { return c.next(); };
    const RandomSource fromGenerator(a);
    const RandomSource fromCallable(callable);
    for (int i = 0; i < 500; ++i) {
        const std::size_t span = 1 + static_cast<std::size_t>(i % 52);
        const std::size_t expected = drawIndex(b.next(), std::size_t{0}, span);
        EXPECT_EQ(fromGenerator.index(std::size_t{0}, span), expected);
        EXPECT_EQ(fromCallable.index(std::size_t{0}, span), expected);
    }
    EXPECT_EQ(a.s, b.s);
    EXPECT_EQ(c.s, b.s);
    EXPECT_EQ(fromGenerator.seededGenerator(), &a);
    EXPECT_EQ(fromCallable.seededGenerator(), nullptr);
}

// Draws taken in uneven groups, across several refills, against the generator drawing them itself.
TEST(IndexDrawTests, BufferedDrawsAreTheGeneratorsOwnAndLeaveItWhereItWouldStand) {
    for (std::uint32_t seed : {0u, 1u, 0xFFFFFFF0u, 123456789u}) {
        SeededRNG buffered(seed);
        SeededRNG direct(seed);
        {
            BufferedDraws draws(buffered);
            std::uint32_t group = 1;
            for (int round = 0; round < 300; ++round) {
                const std::size_t reserved = 1 + group % BufferedDraws::capacity;
                auto cursor = draws.reserve(reserved);
                const std::size_t taken = group % (reserved + 1);
                for (std::size_t i = 0; i < taken; ++i) {
                    const int span = 1 + static_cast<int>((group + i) % 60);
                    ASSERT_EQ(cursor.index(0, span), direct.nextIndex(0, span)) << seed << " round " << round;
                }
                draws.consume(cursor);
                group = group * 1103515245u + 12345u;
            }
        }
        EXPECT_EQ(buffered.s, direct.s) << seed;
    }
}

TEST(IndexDrawTests, BufferedDrawsThatTakeNothingLeaveTheGeneratorAlone) {
    SeededRNG rng(77);
    {
        BufferedDraws draws(rng);
        auto cursor = draws.reserve(BufferedDraws::capacity);
        draws.consume(cursor);
    }
    EXPECT_EQ(rng.s, 77u);
}

}  // namespace
}  // namespace pellox
