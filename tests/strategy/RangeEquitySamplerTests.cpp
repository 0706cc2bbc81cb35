#include <gtest/gtest.h>

#include <stdexcept>

#include "rules/SeededRNG.hpp"
#include "strategy/AdvisorTestSupport.hpp"
#include "strategy/EquitySampler.hpp"
#include "strategy/RangeEquitySampler.hpp"

namespace pellox {
namespace {

using namespace advisortest;

Combo combo(std::string_view text) {
    const auto two = cards(text);
    return {two[0], two[1]};
}

// Plays back a fixed list of draws and counts them.
struct Script {
    std::vector<double> draws;
    std::size_t used = 0;
    double operator()() { return used < draws.size() ? draws[used++] : 0.0; }
};

TEST(RangeEquitySamplerTests, DrawHandPicksByIndexAndSkipsBlockedCombos) {
    Script script{{0.5, 0.0, 0.99}};
    RangeEquitySampler sampler(cards("As Ks"), cards("2c 7d 9h"), {{combo("Qc Qd")}}, script);
    const std::vector<Combo> combos{combo("Qc Qd"), combo("Jc Jd"), combo("Tc Td"), combo("9c 9d")};
    CardMask dead = cardBit(card("Jd"));
    // 0.5 x 4 = 2: the tens.
    EXPECT_EQ(sampler.drawHand(combos, dead), combo("Tc Td"));
    EXPECT_EQ(script.used, 1u);
    // The tens are dead now: 0.0 picks the queens.
    EXPECT_EQ(sampler.drawHand(combos, dead), combo("Qc Qd"));
    EXPECT_NE(dead & cardBit(card("Qd")), 0u);
}

TEST(RangeEquitySamplerTests, EightFailedPicksFallBackToRandomLiveCards) {
    // Every pick lands on the jacks, which are blocked; the ninth and tenth draws take two live cards.
    Script script{{0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.0, 0.0}};
    RangeEquitySampler sampler(cards("Jc Jd"), cards("2c 7d 9h"), {{combo("Qc Qd")}}, script);
    CardMask dead = cardMask(cards("Jc Jd 2c 7d 9h"));
    const std::vector<Combo> jacks{combo("Jc Jd")};
    const Combo hand = sampler.drawHand(jacks, dead);
    EXPECT_EQ(script.used, 10u);
    // Live cards in deck order start 3c 4c ...: j = 0 takes 3c, then j = 1 takes 4c.
    EXPECT_EQ(hand, combo("3c 4c"));
}

TEST(RangeEquitySamplerTests, SteppedSamplingEqualsOneRun) {
    const std::vector<std::vector<Combo>> ranges{{combo("Qc Qd"), combo("Ah Kh"), combo("7h 8h")},
                                                 {combo("Ac Ad"), combo("Ts 9s")}};
    SeededRNG a(42), b(42);
    RangeEquitySampler whole(cards("Js Jh"), cards("2c 7d 9h"), ranges, a);
    RangeEquitySampler stepped(cards("Js Jh"), cards("2c 7d 9h"), ranges, b);
    whole.sample(0, 2000);
    for (int from = 0; from < 2000; from += 200)
        stepped.sample(from, from + 200);
    EXPECT_EQ(whole.winShare(), stepped.winShare());
    EXPECT_EQ(a.s, b.s);
    EXPECT_GT(whole.winShare(), 0.0);
    EXPECT_LT(whole.winShare(), 2000.0);
}

TEST(RangeEquitySamplerTests, TiesShareAndAnyBetterHandLoses) {
    SeededRNG rng(1);
    // The royal flush on the board ties everyone: one third each time.
    RangeEquitySampler ties(cards("2c 3d"), cards("Ah Kh Qh Jh Th"), {{combo("4c 5d")}, {combo("6c 7d")}},
                            rng);
    ties.sample(0, 30);
    EXPECT_DOUBLE_EQ(ties.winShare(), 10.0);
    // Hero ties the first opponent and loses to the second: nothing, in either order.
    const auto board = cards("Ks Kd 7c 7h 2s");
    for (bool tieFirst : {true, false}) {
        std::vector<std::vector<Combo>> ranges{{combo("Ac 3c")}, {combo("Kc Qc")}};
        if (!tieFirst) std::swap(ranges[0], ranges[1]);
        RangeEquitySampler sampler(cards("Ad 3d"), board, ranges, rng);
        sampler.sample(0, 5);
        EXPECT_EQ(sampler.winShare(), 0.0);
    }
}

TEST(RangeEquitySamplerTests, CompleteBoardDrawsOnlyTheOpponentsHands) {
    int calls = 0;
    auto counted = [&] {
        ++calls;
        return 0.25;
    };
    RangeEquitySampler sampler(cards("As Ad"), cards("2c 7d 9h Ks 3c"), {{combo("Qc Qd"), combo("Jc Jd")}},
                               counted);
    sampler.sample(0, 3);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(sampler.winShare(), 3.0);
}

TEST(RangeEquitySamplerTests, EstimateWithoutRangesIsOneRandomOpponent) {
    SeededRNG a(9), b(9);
    const auto hole = cards("Ah Kh");
    const auto board = cards("Qh 7h 2c");
    const EquityResult viaRanges = RangeEquitySampler::estimate(hole, board, {}, a, 400);
    const EquityResult random = EquitySampler::estimate(hole, board, 1, b, 400);
    EXPECT_EQ(viaRanges, random);
    EXPECT_EQ(viaRanges.samples, 400);

    SeededRNG c(9), d(9);
    const std::vector<OpponentRange> ranges{{{combo("Qc Qd"), combo("7c 7d")}, "x"}};
    const EquityResult ranged = RangeEquitySampler::estimate(hole, board, ranges, c, 400);
    RangeEquitySampler manual(hole, board, {ranges[0].combos}, d);
    manual.sample(0, 400);
    EXPECT_EQ(ranged.equity, manual.winShare() / 400);

    // Without a sample there is nothing to average, as with the random sampler.
    EXPECT_EQ(RangeEquitySampler::estimate(hole, board, ranges, c, 0), (EquityResult{0.0, 0}));
}

TEST(RangeEquitySamplerTests, RefusesInputItCannotSample) {
    SeededRNG rng(1);
    const std::vector<std::vector<Combo>> one{{combo("Qc Qd")}};
    EXPECT_THROW((void)RangeEquitySampler(cards("As"), {}, one, rng), std::invalid_argument);
    EXPECT_THROW((void)RangeEquitySampler(cards("As Ks"), {}, std::vector<std::vector<Combo>>(1), rng),
                 std::invalid_argument);
    EXPECT_THROW((void)RangeEquitySampler(cards("As Ks"), cards("2c 3c 4c 5c 6c 7c"), one, rng),
                 std::invalid_argument);
    EXPECT_THROW(
        (void)RangeEquitySampler(cards("As Ks"), {}, std::vector<std::vector<Combo>>(23, one[0]), rng),
        std::invalid_argument);
}

}  // namespace
}  // namespace pellox
