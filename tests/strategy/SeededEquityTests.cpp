#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "rules/SeededRNG.hpp"
#include "strategy/EquitySampler.hpp"
#include "strategy/OpponentRange.hpp"
#include "strategy/RangeEquitySampler.hpp"

#include "TestCards.hpp"

namespace pellox {
namespace {

using test::cards;

// The hole cards then the board: the cards no opponent's combo may hold.
std::vector<Card> knownCards(std::vector<Card> hole, const std::vector<Card>& board) {
    hole.insert(hole.end(), board.begin(), board.end());
    return hole;
}

// Seeded estimates pinned to the pot shares the samplers summed before hands were scored from shared card
// sums: the samplers must draw the same cards and score them alike, on every street and opponent count.
struct Pinned {
    const char* hole;
    const char* board;
    std::int64_t opponents;
    std::uint32_t seed;
    double winShare;
};

TEST(SeededEquityTests, RandomOpponentsGiveThePinnedShares) {
    const Pinned pinned[] = {
        {"Ah Qs", "", 1, 42, 1889},
        {"Ah Qs", "", 5, 42, 756.00000000000011},
        {"Ah Qs", "Qh 7c 2h", 1, 7, 2618},
        {"Ah Qs", "Qh 7c 2h", 5, 7, 1655.5},
        {"9c 8c", "Tc Jd 2c 5s", 3, 99, 1009.1666666666667},
        {"Kd Kh", "Ks 7s 2s 3s 4d", 2, 5, 1160},
    };
    for (const Pinned& p : pinned) {
        SeededRNG rng(p.seed);
        EquitySampler sampler(cards(p.hole), cards(p.board), p.opponents, rng);
        sampler.sample(0, 3000);
        EXPECT_EQ(sampler.winShare(), p.winShare) << p.hole << " | " << p.board << " | " << p.opponents;
    }
}

TEST(SeededEquityTests, RangedOpponentsGiveThePinnedShares) {
    const auto hole = cards("Js Jh");
    const struct {
        const char* board;
        double winShare;
    } pinned[] = {{"", 917.5}, {"2c 7d 9h", 327}, {"2c 7d 9h Qs", 131}, {"2c 7d 9h Qs 3s", 38}};
    for (const auto& p : pinned) {
        const auto board = cards(p.board);
        const std::vector<Card> dead = knownCards(hole, board);
        std::vector<std::vector<Combo>> ranges(3);
        for (const char* hand : {"AKs", "QQ", "T9s"})
            for (const Combo& c : OpponentRange::combosOf(hand, dead))
                ranges[0].push_back(c);
        ranges[1] = OpponentRange::combosOf("AKo", dead);
        ranges[2] = OpponentRange::combosOf("99", dead);
        SeededRNG rng(2024);
        RangeEquitySampler sampler(hole, board, ranges, rng);
        sampler.sample(0, 3000);
        EXPECT_EQ(sampler.winShare(), p.winShare) << p.board;
    }
}

// Crowded spots pinned too: five and nine opponents on any two cards or one class, where picks collide
// often, the retries and the random-card fallback decide hands, and the board comes from what is left.
TEST(SeededEquityTests, CrowdedRangedOpponentsGiveThePinnedShares) {
    const struct {
        const char* hole;
        const char* board;
        std::size_t anyTwo;
        std::size_t pairs;
        std::uint32_t seed;
        double winShare;
    } pinned[] = {{"Ah As", "", 5, 0, 42, 2002.6666666666665},
                  {"Ah As", "Qh 7c 2h", 5, 0, 43, 2164.5},
                  {"Ah As", "Qh 7c 2h Jd", 1, 0, 44, 3555},
                  // Three opponents on queens: the third finds them all taken and gets random cards.
                  {"9c 8c", "Tc Jd 2c", 4, 5, 45, 1399.916666666667},
                  {"Kd Kh", "Ks 7s 2s 3s", 2, 7, 46, 1014}};
    for (const auto& p : pinned) {
        const auto hole = cards(p.hole);
        const auto board = cards(p.board);
        const std::vector<Card> dead = knownCards(hole, board);
        std::vector<Combo> anyTwo;
        for (int a = 0; a < 52; ++a)
            for (int b = a + 1; b < 52; ++b) {
                const Combo c{Card::fromIndex(b), Card::fromIndex(a)};
                if (std::find(dead.begin(), dead.end(), c[0]) == dead.end() &&
                    std::find(dead.begin(), dead.end(), c[1]) == dead.end())
                    anyTwo.push_back(c);
            }
        std::vector<std::vector<Combo>> ranges(p.anyTwo, anyTwo);
        // Few combos each, so that later opponents often find all of them taken.
        for (std::size_t k = 0; k < p.pairs; ++k)
            ranges.push_back(OpponentRange::combosOf(k % 2 == 0 ? "QQ" : "66", dead));
        SeededRNG rng(p.seed);
        RangeEquitySampler sampler(hole, board, ranges, rng);
        sampler.sample(0, 1500);
        sampler.sample(1500, 4000);
        EXPECT_EQ(sampler.winShare(), p.winShare) << p.hole << " | " << p.board;
    }
}

// One opponent, whose board cards are dealt around the two it holds: on kings or the aces beside the hero's,
// so that picks fail often and now and then eight times running, on every street.
TEST(SeededEquityTests, LoneRangedOpponentGivesThePinnedShares) {
    const auto hole = cards("Ah As");
    const struct {
        const char* board;
        double winShare;
    } pinned[] = {{"", 3265}, {"Qh 7c 2h", 3663}, {"Qh 7c 2h Jd", 3820}, {"Qh 7c 2h Jd 3s", 3999}};
    for (const auto& p : pinned) {
        const auto board = cards(p.board);
        const std::vector<Card> dead = knownCards(hole, board);
        std::vector<Combo> combos = OpponentRange::combosOf("KK", dead);
        for (const Combo& c : OpponentRange::combosOf("AA", {}))
            if (c[0] == hole[0] || c[1] == hole[0] || c[0] == hole[1] || c[1] == hole[1]) combos.push_back(c);
        SeededRNG rng(77);
        RangeEquitySampler sampler(hole, board, {combos}, rng);
        sampler.sample(0, 4000);
        EXPECT_EQ(sampler.winShare(), p.winShare) << p.board;
    }
}

// One and two board cards, which Hold'em never deals, take the general loop from either source: pinned to
// what the loops compiled for each board size gave, alone against the hero and with company.
TEST(SeededEquityTests, BoardsOfOneAndTwoCardsGiveThePinnedShares) {
    const auto hole = cards("Js Jh");
    const struct {
        const char* board;
        std::size_t opponents;
        double winShare;
    } pinned[] = {{"2c", 1, 1704.5}, {"2c", 3, 426.25}, {"2c 7d", 1, 1850}, {"2c 7d", 3, 347}};
    for (const auto& p : pinned) {
        const auto board = cards(p.board);
        const std::vector<Card> dead = knownCards(hole, board);
        const std::vector<std::vector<Combo>> ranges{OpponentRange::combosOf("AKs", dead),
                                                     OpponentRange::combosOf("QQ", dead),
                                                     OpponentRange::combosOf("99", dead)};
        const std::vector<std::vector<Combo>> used(ranges.begin(),
                                                   ranges.begin() + static_cast<std::ptrdiff_t>(p.opponents));
        SeededRNG seeded(2024);
        SeededRNG wrapped(2024);
        auto callable = [&wrapped] { return wrapped.next(); };
        RangeEquitySampler fromGenerator(hole, board, used, seeded);
        RangeEquitySampler fromCallable(hole, board, used, callable);
        fromGenerator.sample(0, 3000);
        fromCallable.sample(0, 3000);
        EXPECT_EQ(fromGenerator.winShare(), p.winShare) << p.board << " | " << p.opponents;
        EXPECT_EQ(fromCallable.winShare(), p.winShare) << p.board << " | " << p.opponents;
        EXPECT_EQ(seeded.s, wrapped.s) << p.board << " | " << p.opponents;
    }
}

// A generator and a callable over the same states give the same estimate and draw alike.
void expectBothSourcesAgree(const std::vector<Card>& hole, const char* board,
                            const std::vector<std::vector<Combo>>& ranges, std::uint32_t seed,
                            std::size_t opponents, std::int64_t samples = 2000) {
    SeededRNG seeded(seed);
    SeededRNG wrapped(seed);
    auto callable = [&wrapped] { return wrapped.next(); };
    RangeEquitySampler fromGenerator(hole, cards(board), ranges, seeded);
    RangeEquitySampler fromCallable(hole, cards(board), ranges, callable);
    fromGenerator.sample(0, samples);
    fromCallable.sample(0, samples);
    EXPECT_EQ(fromGenerator.winShare(), fromCallable.winShare()) << board << " | " << opponents;
    EXPECT_EQ(seeded.s, wrapped.s) << board << " | " << opponents;
}

// A seeded generator is drawn from a buffer filled ahead, any other source one draw at a time: both must
// deal the same cards and leave the generator at the same state.
TEST(SeededEquityTests, GeneratorAndCallableOverTheSameStatesGiveTheSameEstimates) {
    const struct {
        const char* hole;
        const char* board;
        std::int64_t opponents;
    } spots[] = {{"Ah As", "", 1},
                 {"Ah As", "", 5},
                 {"Ah Qs", "Qh 7c 2h", 3},
                 {"9c 8c", "Tc Jd 2c 5s", 9},
                 {"Kd Kh", "Ks 7s 2s 3s 4d", 2}};
    for (const auto& spot : spots) {
        SeededRNG seeded(31);
        SeededRNG wrapped(31);
        auto callable = [&wrapped] { return wrapped.next(); };
        EquitySampler fromGenerator(cards(spot.hole), cards(spot.board), spot.opponents, seeded);
        EquitySampler fromCallable(cards(spot.hole), cards(spot.board), spot.opponents, callable);
        for (std::int64_t start = 0; start < 3000; start += 700) {
            fromGenerator.sample(start, start + 700);
            fromCallable.sample(start, start + 700);
        }
        EXPECT_EQ(fromGenerator.winShare(), fromCallable.winShare()) << spot.hole << " | " << spot.board;
        EXPECT_EQ(seeded.s, wrapped.s);
        EXPECT_EQ(fromGenerator.pool(), fromCallable.pool());
    }
    for (const char* board : {"", "2c 7d 9h", "2c 7d 9h Qs", "2c 7d 9h Qs 3s"}) {
        const auto hole = cards("Js Jh");
        const std::vector<Card> dead = knownCards(hole, cards(board));
        std::vector<std::vector<Combo>> ranges{OpponentRange::combosOf("JJ", dead),
                                               OpponentRange::combosOf("AKs", dead),
                                               OpponentRange::combosOf("QQ", dead)};
        // Blocked by the hero's jack of spades: the first opponent's picks fail half the time, the last
        // opponent's always, so that it gets two random live cards every sample.
        const Combo blocked{cards("Jc")[0], cards("Js")[0]};
        ranges[0].push_back(blocked);
        ranges.push_back({blocked});
        expectBothSourcesAgree(hole, board, ranges, 2024, ranges.size(), 3000);
    }
}

// A combo of one card twice takes a single card, so the live cards left for the board vary with the hands
// drawn: the lone opponent's loop, which deals around two cards, must not take it, and the loops for more
// opponents count the live cards again. Either source deals the same.
TEST(SeededEquityTests, ComboOfOneCardTwiceEstimatesAlikeFromEitherSource) {
    const auto hole = cards("Ac Kd");
    const Combo twice{cards("Qc")[0], cards("Qc")[0]};
    for (const char* board : {"", "2c 7d 9h", "2c 7d 9h Qs", "2c 7d 9h Qs 3s"}) {
        const std::vector<Card> dead = knownCards(hole, cards(board));
        std::vector<Combo> withTwice = OpponentRange::combosOf("JJ", dead);
        withTwice.push_back(twice);
        for (const std::size_t opponents : {1u, 3u}) {
            std::vector<std::vector<Combo>> ranges{withTwice, OpponentRange::combosOf("AKs", dead),
                                                   OpponentRange::combosOf("T9s", dead)};
            ranges.resize(opponents);
            expectBothSourcesAgree(hole, board, ranges, 5, opponents);
        }
    }
}

// A generator's draws on a street of the game run a loop compiled for each count of opponents a table can
// have, the lone opponent's included, and past a table's count the general one; a callable's always run the
// general one. Both agree for every count, on every street, with picks that often collide.
TEST(SeededEquityTests, EveryCountOfOpponentsEstimatesAsTheGeneralLoop) {
    const char* const classes[] = {"AKs", "QQ", "AKo", "KQs", "JJ", "AQo", "KK"};
    for (const char* board : {"", "2c 7d 9h", "2c 7d 9h Qs", "2c 7d 9h Qs 3s"}) {
        const auto hole = cards("Ac Kd");
        const std::vector<Card> dead = knownCards(hole, cards(board));
        std::vector<std::vector<Combo>> ranges;
        for (std::size_t opponents = 1; opponents <= 7; ++opponents) {
            ranges.push_back(OpponentRange::combosOf(classes[opponents - 1], dead));
            expectBothSourcesAgree(hole, board, ranges, 77, opponents);
        }
    }
}

}  // namespace
}  // namespace pellox
