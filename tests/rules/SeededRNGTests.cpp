#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "rules/EngineError.hpp"
#include "rules/SeededRNG.hpp"

namespace pellox {
namespace {

TEST(SeededRNGTests, KnownOutputsOfMulberry32) {
    SeededRNG zero(0);
    EXPECT_EQ(zero.next(), 0.26642920868471265);
    EXPECT_EQ(zero.s, 0x6D2B79F5u);
    EXPECT_EQ(zero.nextUInt32(), 1416247u);
    EXPECT_EQ(zero.nextUInt32(), 958946056u);
    SeededRNG zeroAgain(0);
    EXPECT_EQ(zeroAgain.nextUInt32(), 1144304738u);
    SeededRNG one(1);
    EXPECT_EQ(one.next(), 0.6270739405881613);
    EXPECT_EQ(SeededRNG(1).nextUInt32(), 2693262067u);
}

TEST(SeededRNGTests, StateWrapsAndRebuildingContinuesTheSequence) {
    SeededRNG wrap(0xFFFFFFFFu);
    wrap.next();
    EXPECT_EQ(wrap.s, 0x6D2B79F4u);

    SeededRNG a(12345);
    for (int i = 0; i < 10; ++i)
        a.next();
    SeededRNG b(a.s);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(a.next(), b.next());
}

// Every build of the bulk outputs against the generator's own draws, over lengths that leave every vector
// tail (up to 16 lanes) and from states on both sides of the wrap.
TEST(SeededRNGTests, BulkOutputsAreTheGeneratorsDrawsInEveryBuild) {
    using Build = bool (*)(std::uint32_t, std::span<std::uint32_t>) noexcept;
    const std::pair<const char*, Build> wideBuilds[] = {{"AVX2", detail::avx2OutputsAfter},
                                                        {"AVX-512", detail::avx512OutputsAfter}};
    std::vector<std::uint32_t> baseline(300);
    std::vector<std::uint32_t> wide(301);
    std::string skipped;
    for (const auto& [name, build] : wideBuilds) {
        bool ran = false;
        for (const std::uint32_t state : {0u, 1u, 12345u, 0xFFFFFFF0u, 0x92D4860Bu}) {
            for (const std::size_t length : {0u, 1u, 7u, 8u, 9u, 15u, 16u, 17u, 31u, 64u, 255u, 300u}) {
                const std::span<std::uint32_t> expected(baseline.data(), length);
                detail::baselineOutputsAfter(state, expected);
                SeededRNG rng(state);
                for (std::size_t k = 0; k < length; ++k)
                    ASSERT_EQ(expected[k], rng.nextUInt32()) << state << " " << k;
                std::fill(wide.begin(), wide.end(), 0u);
                if (build(state, std::span(wide.data(), length))) {
                    ran = true;
                    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), wide.begin()))
                        << name << " " << state << " " << length;
                    EXPECT_EQ(wide[length], 0u) << name << " wrote past the end";
                }
            }
        }
        if (!ran) skipped += std::string(skipped.empty() ? "" : ", ") + name;
    }
    if (!skipped.empty()) GTEST_SKIP() << "this processor cannot run " << skipped << ": not compared";
}

TEST(SeededRNGTests, OutputsStayInUnitInterval) {
    SeededRNG rng(99);
    for (int i = 0; i < 100000; ++i) {
        double r = rng.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

TEST(SeededRNGTests, StreamSeeds) {
    EXPECT_EQ(RNGStream::seed(0, RNGStream::game), 0x11FD02EBu);
    EXPECT_EQ(RNGStream::seed(0, RNGStream::advice), 0xBB2AAFDEu);
    EXPECT_EQ(RNGStream::seed(1, RNGStream::game), 0xB19FEA7Cu);
    EXPECT_EQ(RNGStream::seed(1, RNGStream::advice), 0x0DD6B1D3u);
}

TEST(SeededRNGTests, StoredSeedsKeepTheirBits) {
    for (std::uint32_t seed : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xDEADBEEFu, 0xFFFFFFFFu})
        EXPECT_EQ(fromStoredSeed(toStoredSeed(seed)), seed);
    EXPECT_EQ(toStoredSeed(0x80000000u), -2147483648);
    EXPECT_EQ(toStoredSeed(0xFFFFFFFFu), -1);
}

TEST(SeededRNGTests, RandomSeedsVary) {
    // Eight cryptographic draws are all equal with probability 2^-224.
    std::uint32_t first = SeededRNG::randomSeed();
    bool varied = false;
    for (int i = 0; i < 8 && !varied; ++i)
        varied = SeededRNG::randomSeed() != first;
    EXPECT_TRUE(varied);
}

TEST(SeededRNGTests, DrawIndexScalesADrawIntoItsRangeAndClampsOddDraws) {
    EXPECT_EQ(drawIndex(0.0, 3, 10), 3);
    EXPECT_EQ(drawIndex(0.5, 3, 10), 6);  // 3 + the integer part of 3.5
    EXPECT_EQ(drawIndex(1.0 - 0x1p-32, 3, 10), 9);
    EXPECT_EQ(drawIndex(1.0, 3, 10), 9);
    EXPECT_EQ(drawIndex(7.5, 3, 10), 9);
    EXPECT_EQ(drawIndex(-0.2, 3, 10), 3);
    EXPECT_EQ(drawIndex(std::numeric_limits<double>::quiet_NaN(), 3, 10), 3);
    EXPECT_EQ(drawIndex(0.99, std::size_t{0}, std::size_t{52}), 51u);
}

TEST(EngineErrorTests, MessagesAreFixed) {
    EXPECT_STREQ(EngineError::notPlayersTurn("bot-2").what(), "It is not bot-2's turn to act");
    EXPECT_STREQ(EngineError::illegalAction(PlayerActionType::allIn).what(), "all-in is not legal here");
    EXPECT_STREQ(EngineError::illegalAction(PlayerActionType::bet).what(), "bet is not legal here");
    EXPECT_STREQ(EngineError::missingPlayer("ghost").what(), "no player with id \"ghost\"");
    EXPECT_STREQ(EngineError::tooFewCards(4).what(), "hand evaluation requires at least 5 cards, got 4");
    EXPECT_EQ(EngineError::tooFewCards(4).errorCase(), EngineError::Case::tooFewCards);
    EXPECT_EQ(EngineError::missingPlayer("x").errorCase(), EngineError::Case::missingPlayer);
}

}  // namespace
}  // namespace pellox
