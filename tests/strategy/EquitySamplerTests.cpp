#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "rules/SeededRNG.hpp"
#include "strategy/EquitySampler.hpp"

#include "TestCards.hpp"

namespace pellox {
namespace {

using test::cards;

// Plays back a fixed list of draws and counts how many were taken.
struct ScriptedDraws {
    std::vector<double> draws;
    std::size_t taken{0};
    double operator()() {
        if (taken >= draws.size()) {
            ADD_FAILURE() << "more draws than scripted";
            return 0;
        }
        return draws[taken++];
    }
};

// Draws that move the wanted cards, in order, to the front of the sampler's pool.
std::vector<double> drawsDealing(std::vector<Card> pool, const std::vector<Card>& wanted) {
    std::vector<double> draws;
    const auto n = static_cast<double>(pool.size());
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        auto j = static_cast<std::size_t>(std::find(pool.begin(), pool.end(), wanted[i]) - pool.begin());
        draws.push_back((static_cast<double>(j - i) + 0.5) / (n - static_cast<double>(i)));
        std::swap(pool[i], pool[j]);
    }
    return draws;
}

TEST(EquitySamplerTests, PoolIsTheDeckInOrderWithoutKnownCards) {
    ScriptedDraws none;
    const auto hole = cards("As Ks");
    const auto board = cards("2c 7d");
    EquitySampler sampler(hole, board, 3, none);
    auto pool = sampler.pool();
    ASSERT_EQ(pool.size(), 48u);
    EXPECT_EQ(pool.front(), cards("3c")[0]);
    EXPECT_EQ(pool[5], cards("8c")[0]);
    EXPECT_EQ(pool.back(), cards("Qs")[0]);
    EXPECT_EQ(sampler.cardsPerSample(), 2 * 3 + 3);
    EXPECT_EQ(sampler.winShare(), 0.0);
}

TEST(EquitySamplerTests, OneDrawPerShuffledCardAndThePoolCarriesOver) {
    // Pool: the clubs 2..A (0-12), diamonds (13-25), hearts (26-38), spades 2..Q (39-49). The first draw
    // swaps the last card, the queen of spades, to the front; the other draws stay in place yet are taken.
    ScriptedDraws rng{{0.999, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    const auto hole = cards("As Ks");
    EquitySampler sampler(hole, {}, 1, rng);
    sampler.sample(0, 1);
    EXPECT_EQ(rng.taken, 7u);
    EXPECT_EQ(sampler.pool()[0], cards("Qs")[0]);
    EXPECT_EQ(sampler.pool()[49], cards("2c")[0]);
    EXPECT_EQ(sampler.pool()[1], cards("3c")[0]);
    // Opponent Qs 3c, board 4c 5c 6c 7c 8c: both play the board's straight flush and split.
    EXPECT_EQ(sampler.winShare(), 0.5);
    sampler.sample(1, 2);
    EXPECT_EQ(rng.taken, 14u);
    EXPECT_EQ(sampler.pool()[0], cards("Qs")[0]) << "the pool is not restored between samples";
    EXPECT_EQ(sampler.winShare(), 1.0);
}

TEST(EquitySamplerTests, DrawIndexIsTruncatedOverTheRemainingPool) {
    // i = 1 with r = 0.5 over 49 remaining cards: j = 1 + 24 = 25, the queen of diamonds' slot.
    ScriptedDraws rng{{0, 0.5, 0, 0, 0, 0, 0}};
    const auto hole = cards("As Ks");
    EquitySampler sampler(hole, {}, 1, rng);
    const Card at25 = sampler.pool()[25];
    sampler.sample(0, 1);
    EXPECT_EQ(sampler.pool()[1], at25);
    EXPECT_EQ(sampler.pool()[25], cards("3c")[0]);
}

TEST(EquitySamplerTests, NoOpponentsAlwaysWins) {
    SeededRNG rng(7);
    const auto hole = cards("2c 7d");
    const auto result = EquitySampler::estimate(hole, {}, 0, rng, 300);
    EXPECT_EQ(result, (EquityResult{1.0, 300}));

    ScriptedDraws nothing;
    const auto board = cards("Ah Kh Qh Jh 9s");
    EquitySampler complete(hole, board, 0, nothing);
    EXPECT_EQ(complete.cardsPerSample(), 0);
    complete.sample(0, 5);
    EXPECT_EQ(nothing.taken, 0u);
    EXPECT_EQ(complete.winShare(), 5.0);
}

TEST(EquitySamplerTests, CompleteBoardDrawsOnlyOpponentCards) {
    SeededRNG seeded(11);
    int calls = 0;
    auto counting = [&] {
        ++calls;
        return seeded.next();
    };
    const auto hole = cards("Ah Ad");
    const auto board = cards("Ac 7d 2s 9h Kc");
    EquitySampler sampler(hole, board, 2, counting);
    EXPECT_EQ(sampler.cardsPerSample(), 4);
    sampler.sample(0, 10);
    EXPECT_EQ(calls, 40);
}

TEST(EquitySamplerTests, BoardRoyalFlushSplitsEveryPot) {
    SeededRNG rng(3);
    const auto hole = cards("2c 3d");
    const auto board = cards("As Ks Qs Js Ts");
    for (int opponents = 1; opponents <= 5; ++opponents) {
        EquitySampler sampler(hole, board, opponents, rng);
        sampler.sample(0, 120);
        EXPECT_NEAR(sampler.winShare(), 120.0 / (opponents + 1), 1e-9) << opponents;
    }
}

TEST(EquitySamplerTests, LossToAnyOpponentCountsNothingWhateverTheOrder) {
    const auto hole = cards("Qh Jh");
    const auto board = cards("Ah Kd 8s 5c 2d");
    const auto tie = cards("Qc Js");    // the same ace-king-queen-jack-eight
    const auto beats = cards("8c 8d");  // three eights
    ScriptedDraws probe;
    const EquitySampler fresh(hole, board, 2, probe);
    const std::vector<Card> poolCopy = fresh.pool();
    for (bool tieFirst : {true, false}) {
        std::vector<Card> order = tieFirst ? std::vector{tie[0], tie[1], beats[0], beats[1]}
                                           : std::vector{beats[0], beats[1], tie[0], tie[1]};
        ScriptedDraws rng{drawsDealing(poolCopy, order)};
        EquitySampler sampler(hole, board, 2, rng);
        sampler.sample(0, 1);
        EXPECT_EQ(sampler.pool()[0], order[0]);
        EXPECT_EQ(sampler.pool()[3], order[3]);
        EXPECT_EQ(sampler.winShare(), 0.0) << "tie first: " << tieFirst;
    }
    // The tie alone is worth half, two ties a third.
    const auto alsoTie = cards("Qd Jc");
    ScriptedDraws one{drawsDealing(poolCopy, {tie[0], tie[1]})};
    EquitySampler headsUp(hole, board, 1, one);
    headsUp.sample(0, 1);
    EXPECT_EQ(headsUp.winShare(), 0.5);
    ScriptedDraws two{drawsDealing(poolCopy, {tie[0], tie[1], alsoTie[0], alsoTie[1]})};
    EquitySampler threeWay(hole, board, 2, two);
    threeWay.sample(0, 1);
    EXPECT_DOUBLE_EQ(threeWay.winShare(), 1.0 / 3.0);
}

TEST(EquitySamplerTests, ChunkedSamplingEqualsOneRun) {
    const auto hole = cards("9s 8s");
    const auto board = cards("7s 6d 2c");
    SeededRNG a(2024), b(2024), c(2024);
    EquitySampler whole(hole, board, 3, a);
    whole.sample(0, 2000);
    EquitySampler chunked(hole, board, 3, b);
    for (int start = 0; start < 2000; start += 200)
        chunked.sample(start, start + 200);
    EquitySampler same(hole, board, 3, c);
    same.sample(0, 2000);
    EXPECT_EQ(whole.winShare(), chunked.winShare());
    EXPECT_EQ(whole.winShare(), same.winShare());
    EXPECT_EQ(whole.pool(), chunked.pool());
    EXPECT_EQ(a.s, b.s);
    chunked.sample(5, 5);
    EXPECT_EQ(chunked.winShare(), whole.winShare());
}

TEST(EquitySamplerTests, EstimatesAreSane) {
    SeededRNG rng(99);
    // Pocket aces against one random hand win about 85%; seven-deuce offsuit about 35%.
    const auto aces = cards("Ah Ad");
    const auto trash = cards("7c 2d");
    const double acesEquity = EquitySampler::estimate(aces, {}, 1, rng, 2000).equity;
    const double trashEquity = EquitySampler::estimate(trash, {}, 1, rng, 2000).equity;
    EXPECT_NEAR(acesEquity, 0.85, 0.03);
    EXPECT_NEAR(trashEquity, 0.35, 0.03);
    // The nut flush on a paired-free board is nearly always best, but more opponents cost something.
    const auto nuts = cards("As Ks");
    const auto board = cards("Qs 7s 2s 9d");
    const double vsOne = EquitySampler::estimate(nuts, board, 1, rng, 2000).equity;
    const double vsFive = EquitySampler::estimate(nuts, board, 5, rng, 2000).equity;
    EXPECT_GT(vsOne, 0.9);
    EXPECT_LT(vsFive, vsOne);
    EXPECT_EQ(EquitySampler::estimate(aces, {}, 1, rng, 0), (EquityResult{0.0, 0}));
}

TEST(EquitySamplerTests, RefusesImpossibleSetups) {
    ScriptedDraws rng;
    const auto hole = cards("Ah Ad");
    const auto one = cards("Ah");
    const auto six = cards("2c 3c 4c 5c 6c 7c");
    EXPECT_THROW(EquitySampler(one, {}, 1, rng), std::invalid_argument);
    EXPECT_THROW(EquitySampler(hole, six, 1, rng), std::invalid_argument);
    EXPECT_THROW(EquitySampler(hole, {}, -1, rng), std::invalid_argument);
    EXPECT_NO_THROW(EquitySampler(hole, {}, 22, rng));
    EXPECT_THROW(EquitySampler(hole, {}, 23, rng), std::invalid_argument);
}

}  // namespace
}  // namespace pellox
