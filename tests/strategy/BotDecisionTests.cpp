#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "rules/PokerEngine.hpp"
#include "rules/SeededRNG.hpp"
#include "strategy/BotDecision.hpp"
#include "strategy/EquitySampler.hpp"
#include "strategy/SkillParams.hpp"

#include "TestCards.hpp"

namespace pellox {
namespace {

using Type = PlayerActionType;

using test::cards;

// The bot under test is "bot-1"; everyone else is an opponent still in the hand unless told otherwise.
struct Seat {
    std::string id;
    Position position;
    std::string hole;
    std::int64_t stack{1000};
    std::int64_t street{0};
    std::int64_t total{0};
    bool folded{false};
};

TableState makeTable(Street street, const std::string& board, const std::vector<Seat>& seats,
                     std::int64_t currentBet, std::int64_t raises = 0, std::int64_t minRaise = 10) {
    TableState t;
    t.street = street;
    t.board = cards(board);
    t.bigBlind = 10;
    t.smallBlind = 5;
    t.currentBet = currentBet;
    t.minRaise = minRaise;
    t.raisesThisStreet = raises;
    t.isHandInProgress = true;
    for (std::size_t i = 0; i < seats.size(); ++i) {
        Player p;
        p.id = seats[i].id;
        p.name = seats[i].id;
        p.isBot = true;
        p.seatIndex = static_cast<std::int64_t>(i);
        p.position = seats[i].position;
        p.holeCards = cards(seats[i].hole);
        p.stack = seats[i].stack;
        p.streetContribution = seats[i].street;
        p.totalContribution = seats[i].total;
        p.hasFolded = seats[i].folded;
        t.players.push_back(p);
    }
    return t;
}

// Hands the sampler its draws from a seeded generator, then plays back the scripted decision draws.
struct ScriptAfterSampling {
    std::size_t samplingDraws;
    std::vector<double> script;
    SeededRNG rng{1234};
    std::size_t taken{0};
    double operator()() {
        if (taken < samplingDraws) {
            ++taken;
            return rng.next();
        }
        const std::size_t k = taken++ - samplingDraws;
        if (k >= script.size()) {
            ADD_FAILURE() << "more decision draws than scripted";
            return 0.99;
        }
        return script[k];
    }
    std::size_t decisionDraws() const { return taken > samplingDraws ? taken - samplingDraws : 0; }
};

std::size_t samplingDraws(BotSkill skill, std::int64_t opponents, std::size_t boardCards) {
    return static_cast<std::size_t>(SkillParams::of(skill).equitySamples) *
           (2 * static_cast<std::size_t>(opponents) + 5 - boardCards);
}

// The equity the read samples: the same seeded draws as ScriptAfterSampling hands over.
double readEquity(const TableState& t, BotSkill skill) {
    SeededRNG rng(1234);
    const Player* bot = t.player("bot-1");
    const SkillParams& params = SkillParams::of(skill);
    EquitySampler sampler(bot->holeCards, t.board, std::max<std::int64_t>(1, t.opponentCount("bot-1")), rng);
    sampler.sample(0, params.equitySamples);
    return std::min(1.0, params.equityBias + sampler.winShare() / static_cast<double>(params.equitySamples));
}

BotProfile profile(BotSkill skill, double looseness, double aggression, double bluff) {
    return {skill, {looseness, aggression, bluff}};
}

TEST(BotDecisionTests, SkillTableHoldsEveryConstant) {
    const auto& table = SkillParams::table();
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(SkillParams::of(BotSkill::beginner),
              (SkillParams{120, 0.08, false, 0.30, PositionBucket::middle, false}));
    EXPECT_EQ(SkillParams::of(BotSkill::intermediate),
              (SkillParams{400, 0.03, true, 0.20, std::nullopt, false}));
    EXPECT_EQ(SkillParams::of(BotSkill::pro), (SkillParams{1200, 0.0, true, 0.15, std::nullopt, false}));
}

TEST(BotDecisionTests, PreflopReadFollowsTheChart) {
    // A9s opens from the middle column but not from early; beginners always read the middle column.
    auto utg = makeTable(Street::preflop, "",
                         {{"bot-1", Position::utg, "Ah 9h"},
                          {"sb", Position::sb, "2c 3d", 995, 5, 5},
                          {"bb", Position::bb, "4c 5d", 990, 10, 10}},
                         10);
    EXPECT_EQ(botPreflopRead(utg, "bot-1", BotSkill::beginner), (BotRead{Type::raise}));
    EXPECT_EQ(botPreflopRead(utg, "bot-1", BotSkill::pro), (BotRead{Type::fold}));
    // The big blind unraised: a chart fold reads check, and a chart raise reads bet.
    auto bb = makeTable(
        Street::preflop, "",
        {{"bot-1", Position::bb, "Kc Qd", 990, 10, 10}, {"sb", Position::sb, "2c 3d", 990, 10, 10}}, 10);
    EXPECT_EQ(botPreflopRead(bb, "bot-1", BotSkill::pro).action, Type::check);
    bb.players[0].holeCards = cards("Ac Ad");
    EXPECT_EQ(botPreflopRead(bb, "bot-1", BotSkill::pro).action, Type::bet);
    // Facing an open from late: 98s calls, A5s 3-bets, and facing a 3-bet A5s folds.
    auto late =
        makeTable(Street::preflop, "",
                  {{"bot-1", Position::btn, "9s 8s"}, {"co", Position::co, "2c 3d", 970, 30, 30}}, 30, 1, 20);
    EXPECT_EQ(botPreflopRead(late, "bot-1", BotSkill::pro).action, Type::call);
    late.players[0].holeCards = cards("As 5s");
    EXPECT_EQ(botPreflopRead(late, "bot-1", BotSkill::pro).action, Type::raise);
    late.raisesThisStreet = 2;
    EXPECT_EQ(botPreflopRead(late, "bot-1", BotSkill::pro).action, Type::fold);
    // Absent, or without two cards.
    EXPECT_EQ(botPreflopRead(late, "bot-9", BotSkill::pro), (BotRead{Type::fold}));
    late.players[0].holeCards.clear();
    EXPECT_EQ(botPreflopRead(late, "bot-1", BotSkill::pro), (BotRead{Type::fold}));
}

TEST(BotDecisionTests, PreflopOpenSizing) {
    // Aggression 0.2, r = 0.5, big blind 10: g = 1.12, target 1.12 x 2.5 x 10 = 28, bet 30.
    auto t = makeTable(Street::preflop, "",
                       {{"bot-1", Position::btn, "Ac Ad"},
                        {"sb", Position::sb, "2c 3d", 995, 5, 5},
                        {"bb", Position::bb, "4c 5d", 990, 10, 10}},
                       10);
    ScriptAfterSampling next{0, {0.5}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, profile(BotSkill::pro, 0.1, 0.2, 0.1), next),
              (PlayerAction{Type::raise, 30}));
    EXPECT_EQ(next.decisionDraws(), 1u);
    // After a raise: currentBet + g x (2.5 + 0.5 r) x minRaise = 30 + 1.12 x 2.5 x 20 = 86, so 85.
    t.currentBet = 30;
    t.minRaise = 20;
    t.raisesThisStreet = 1;
    ScriptAfterSampling again{0, {0.0}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, profile(BotSkill::pro, 0.1, 0.2, 0.1), again),
              (PlayerAction{Type::raise, 85}));
}

TEST(BotDecisionTests, NoLegalRaiseFallsBackToCall) {
    // Aces facing more than the stack: the chart raises, but only a call (all in) is legal. No draw is taken.
    auto t =
        makeTable(Street::preflop, "",
                  {{"bot-1", Position::utg, "Ac Ad", 8}, {"bb", Position::bb, "4c 5d", 990, 10, 10}}, 10);
    ScriptAfterSampling next{0, {}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, BotProfile::standard, next),
              (PlayerAction{Type::call, std::nullopt}));
    EXPECT_EQ(next.decisionDraws(), 0u);
}

TEST(BotDecisionTests, BluffMultiplierByOpponentsAndTexture) {
    const std::string dry = "Ks 7d 2c", wet = "9h 8h 7d";
    auto heads =
        makeTable(Street::flop, dry, {{"bot-1", Position::bb, "Ac Qd"}, {"a", Position::btn, "4c 5d"}}, 0);
    EXPECT_DOUBLE_EQ(botBluffMultiplier(heads, "bot-1"), 1.3 * 1.15);
    auto three = makeTable(Street::flop, wet,
                           {{"bot-1", Position::bb, "Ac Qd"},
                            {"a", Position::btn, "4c 5d"},
                            {"b", Position::sb, "6c 6d"},
                            {"c", Position::co, "Tc Jd"}},
                           0);
    EXPECT_DOUBLE_EQ(botBluffMultiplier(three, "bot-1"), 0.55 * 0.75);
    three.players[3].hasFolded = true;
    EXPECT_DOUBLE_EQ(botBluffMultiplier(three, "bot-1"), 1.0 * 0.75);
    three.street = Street::preflop;
    three.board.clear();
    EXPECT_DOUBLE_EQ(botBluffMultiplier(three, "bot-1"), 1.0);
}

TEST(BotDecisionTests, CallOddsFactor) {
    // Pot 100 as the bot sees it, 20 to call from a stack of 1000: 1 - 20 / 120.
    auto t = makeTable(
        Street::flop, "Ks 7d 2c",
        {{"bot-1", Position::bb, "Ac Qd", 1000, 0, 40}, {"a", Position::btn, "4c 5d", 980, 20, 80}}, 20);
    const LegalActions legal = PokerEngine::legalActions("bot-1", t);
    ASSERT_EQ(legal.callAmount, 20);
    EXPECT_DOUBLE_EQ(botCallOddsFactor(t, "bot-1", legal), 1 - 20.0 / 140.0);
    EXPECT_EQ(botCallOddsFactor(t, "nobody", legal), 0.0);
    t.players[0].stack = 79;  // 20 / 79 exceeds a quarter
    EXPECT_EQ(botCallOddsFactor(t, "bot-1", PokerEngine::legalActions("bot-1", t)), 0.0);
    t.players[0].stack = 80;  // exactly a quarter is still allowed
    EXPECT_GT(botCallOddsFactor(t, "bot-1", PokerEngine::legalActions("bot-1", t)), 0.0);
    t.currentBet = 0;
    t.players[1].streetContribution = 0;
    EXPECT_EQ(botCallOddsFactor(t, "bot-1", PokerEngine::legalActions("bot-1", t)), 1.0);
}

// Seven-deuce on a dry ace-high flop, heads-up: nothing to bet for value and no draw, so the read is check.
TableState dryFlopCheck() {
    return makeTable(
        Street::flop, "As Kd 9c",
        {{"bot-1", Position::bb, "7h 2d", 980, 0, 20}, {"a", Position::btn, "4c 5d", 980, 0, 20}}, 0);
}

TEST(BotDecisionTests, ManiacBluffsHeadsUpOnADryFlopBelowThreshold) {
    const TableState t = dryFlopCheck();
    const auto sampling = samplingDraws(BotSkill::beginner, 1, 3);
    ScriptAfterSampling readOnly{sampling, {}};
    ASSERT_EQ(botPostflopRead(t, "bot-1", BotSkill::beginner, readOnly), (BotRead{Type::check}));
    EXPECT_EQ(readOnly.taken, sampling);
    const BotProfile maniac{BotSkill::beginner, BotPersonality::maniac};
    // m = 1.3 x 1.15: the bluff succeeds below 0.25 x 1.495 = 0.37375. Sizing with r = 0: the pot of 40
    // times 0.5 + 0.15 x 0.5 gives 23, bet 25.
    ScriptAfterSampling bluff{sampling, {0.3737, 0.0}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, maniac, bluff), (PlayerAction{Type::bet, 25}));
    EXPECT_EQ(bluff.decisionDraws(), 2u);
    // Just above: no bluff; the aggression draw (0.5 x 1.495) fails too, so the bot checks.
    ScriptAfterSampling honest{sampling, {0.3738, 0.7476}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, maniac, honest), (PlayerAction{Type::check, std::nullopt}));
    EXPECT_EQ(honest.decisionDraws(), 2u);
    // A successful aggression draw turns the check into a bet, sized like a bluff.
    ScriptAfterSampling aggressive{sampling, {0.9, 0.7474, 1.0 - 1e-12}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, maniac, aggressive), (PlayerAction{Type::bet, 30}));
    EXPECT_EQ(aggressive.decisionDraws(), 3u);
}

TEST(BotDecisionTests, FoldReadsMayBluffRaiseOrCallLoosely) {
    // Facing 60 into 100 (price 0.375) with seven-deuce on an ace-high flop: the read is fold.
    auto t = makeTable(
        Street::flop, "As Kd 9c",
        {{"bot-1", Position::bb, "7h 2d", 980, 0, 20}, {"a", Position::btn, "4c 5d", 920, 60, 80}}, 60);
    const auto sampling = samplingDraws(BotSkill::pro, 1, 3);
    ScriptAfterSampling read{sampling, {}};
    ASSERT_EQ(botPostflopRead(t, "bot-1", BotSkill::pro, read).action, Type::fold);
    const BotProfile loose = profile(BotSkill::pro, 1.0, 0.0, 0.0);
    // Loose-call chance = 1.0 x (1 - 60 / 160): a draw of 0.62 calls, then the aggression draw (chance 0).
    ScriptAfterSampling calls{sampling, {0.5, 0.62, 0.0}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, loose, calls), (PlayerAction{Type::call, std::nullopt}));
    EXPECT_EQ(calls.decisionDraws(), 3u);
    ScriptAfterSampling folds{sampling, {0.5, 0.63}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, loose, folds), (PlayerAction{Type::fold, std::nullopt}));
    EXPECT_EQ(folds.decisionDraws(), 2u);
    // A bluff facing a bet is a raise, sized on the pot after the call: (100 + 60) x 0.5 + 60 = 140.
    ScriptAfterSampling bluff{sampling, {0.0, 0.0}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, profile(BotSkill::pro, 0, 0, 1.0), bluff),
              (PlayerAction{Type::raise, 140}));
    EXPECT_EQ(bluff.decisionDraws(), 2u);
    // A call of more than a quarter of the stack is never loose: only the bluff could change the fold.
    t.players[0].stack = 239;
    ScriptAfterSampling never{sampling, {0.99, 0.0}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, loose, never), (PlayerAction{Type::fold, std::nullopt}));
    EXPECT_EQ(never.decisionDraws(), 2u);
}

TEST(BotDecisionTests, ABluffWithNoLegalRaiseGoesOnAsAFailedOne) {
    // Facing 60 with 50 behind: no raise is legal, so a successful bluff draw changes nothing and the
    // loose-call draw follows; the call is more than a quarter of the stack, so the bot folds.
    auto t = makeTable(
        Street::flop, "As Kd 9c",
        {{"bot-1", Position::bb, "7h 2d", 50, 0, 20}, {"a", Position::btn, "4c 5d", 920, 60, 80}}, 60);
    const auto sampling = samplingDraws(BotSkill::pro, 1, 3);
    ScriptAfterSampling next{sampling, {0.0, 0.0}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, profile(BotSkill::pro, 1.0, 1.0, 1.0), next),
              (PlayerAction{Type::fold, std::nullopt}));
    EXPECT_EQ(next.decisionDraws(), 2u);
}

TEST(BotDecisionTests, AggressionTurnsACallIntoARaise) {
    // 98s on the button facing an open of 30 reads call; aggression 0.5 heads-up preflop gives 0.65.
    auto t =
        makeTable(Street::preflop, "",
                  {{"bot-1", Position::btn, "9s 8s"}, {"co", Position::co, "2c 3d", 970, 30, 30}}, 30, 1, 20);
    const BotProfile p = profile(BotSkill::pro, 0, 0.5, 0);
    ScriptAfterSampling calls{0, {0.65}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, p, calls), (PlayerAction{Type::call, std::nullopt}));
    // g = 1.3, r = 0: 30 + 1.3 x 2.5 x 20 = 95.
    ScriptAfterSampling raises{0, {0.6499, 0.0}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, p, raises), (PlayerAction{Type::raise, 95}));
    // Without a legal raise (the raise exceeds the stack) the call stands.
    t.players[0].stack = 30;
    ScriptAfterSampling shortStack{0, {0.0}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, p, shortStack), (PlayerAction{Type::call, std::nullopt}));
}

TEST(BotDecisionTests, NutsBetAndRaiseForValueWithTheCushion) {
    // A royal flush made on the flop wins every sample: e = 1 and the value fraction is 1.0.
    auto t = makeTable(
        Street::flop, "Qs Js Ts",
        {{"bot-1", Position::bb, "As Ks", 1000, 0, 50}, {"a", Position::btn, "4c 5d", 1000, 0, 50}}, 0);
    for (BotSkill skill : allCases<BotSkill>()) {
        ScriptAfterSampling read{samplingDraws(skill, 1, 3), {}};
        EXPECT_EQ(botPostflopRead(t, "bot-1", skill, read), (BotRead{Type::bet, true, 1.0}));
    }
    // Bet: pot 100 x (1.0 + 0.15 x 0.2 + 0.2 x 0.5) = 113, so 115.
    ScriptAfterSampling bet{samplingDraws(BotSkill::pro, 1, 3), {0.5, 0.99, 0.5}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, profile(BotSkill::pro, 0, 0.2, 0), bet),
              (PlayerAction{Type::bet, 115}));
    EXPECT_EQ(bet.decisionDraws(), 1u) << "a value bet goes straight to sizing";

    // Facing 100 into 125 with the nuts: every skill raises; (125 + 100) x 1.0 + (0 + 100) = 325.
    auto facing = makeTable(
        Street::flop, "Qs Js Ts",
        {{"bot-1", Position::bb, "As Ks", 1000, 0, 10}, {"a", Position::btn, "4c 5d", 900, 100, 115}}, 100);
    ScriptAfterSampling raise{samplingDraws(BotSkill::pro, 1, 3), {0.0}};
    EXPECT_EQ(BotDecision::decide("bot-1", facing, profile(BotSkill::pro, 0, 0, 0), raise),
              (PlayerAction{Type::raise, 325}));
}

TEST(BotDecisionTests, RaiseNeedsTheCushionOverThePrice) {
    // Middle pair against three opponents (T = 0.4): the bet C into the other 3,000 chips prices the call at
    // R = C / (3000 + 2C). Raising needs e >= cushion + R; just short of that the read is a call.
    auto t = makeTable(Street::flop, "Kd 9c 4s",
                       {{"bot-1", Position::bb, "Kh 3h", 100000, 0, 0},
                        {"a", Position::btn, "2c 3d", 100000, 0, 1000},
                        {"b", Position::sb, "2h 3h", 100000, 0, 1000},
                        {"c", Position::co, "2s 3s", 100000, 0, 1000}},
                       0);
    for (BotSkill skill : {BotSkill::intermediate, BotSkill::pro}) {
        const double e = readEquity(t, skill);
        const double cushion = SkillParams::of(skill).raiseCushion;
        ASSERT_GT(e, 0.4 + 0.01) << rawValue(skill);
        ASSERT_LT(e - cushion, 0.49) << rawValue(skill);
        const double exact = (e - cushion) * 3000 / (1 - 2 * (e - cushion));
        for (const auto& [bet, expected] :
             {std::pair{std::floor(exact) - 1, Type::raise}, std::pair{std::ceil(exact) + 1, Type::call}}) {
            TableState facing = t;
            const auto c = static_cast<std::int64_t>(bet);
            facing.currentBet = c;
            facing.players[1].streetContribution = c;
            facing.players[1].totalContribution = 1000 + c;
            ScriptAfterSampling read{samplingDraws(skill, 3, 3), {}};
            const BotRead got = botPostflopRead(facing, "bot-1", skill, read);
            EXPECT_EQ(got.action, expected) << rawValue(skill) << " facing " << c;
        }
    }
}

TEST(BotDecisionTests, SplitBoardEquityAgainstTheValueThreshold) {
    // A royal flush on the board: every sample splits, so e = 1 / (n + 1) + bias, and the river has no outs.
    auto t = makeTable(
        Street::river, "As Ks Qs Js Ts",
        {{"bot-1", Position::bb, "2c 3d", 1000, 0, 50}, {"a", Position::btn, "4c 5d", 1000, 0, 50}}, 0);
    // Heads-up: T = 0.6; 0.58 for a beginner is short of it, so check.
    ScriptAfterSampling beginner{samplingDraws(BotSkill::beginner, 1, 5), {}};
    EXPECT_EQ(botPostflopRead(t, "bot-1", BotSkill::beginner, beginner), (BotRead{Type::check}));
    // Facing 10 into 110: the price is 10 / 120, so every skill calls and none raises.
    t.currentBet = 10;
    t.players[1].streetContribution = 10;
    t.players[1].totalContribution = 60;
    for (BotSkill skill : allCases<BotSkill>()) {
        ScriptAfterSampling read{samplingDraws(skill, 1, 5), {}};
        EXPECT_EQ(botPostflopRead(t, "bot-1", skill, read), (BotRead{Type::call})) << rawValue(skill);
    }
}

TEST(BotDecisionTests, OnlyBeginnersChaseBigDrawsAtAnyPrice) {
    // Open-ended (9-8 on 7-6-2) and a flush draw (4s 3s on Ks 9s 2d) against three opponents, facing 900
    // into 930: the price 900 / 1830 is above the equity, even with a beginner's bias.
    for (const auto& [hole, board] : {std::pair{"9h 8c", "7d 6s 2c"}, std::pair{"4s 3s", "Ks 9s 2d"}}) {
        auto t = makeTable(Street::flop, board,
                           {{"bot-1", Position::bb, hole, 2000, 0, 10},
                            {"a", Position::btn, "Ac Ad", 100, 900, 910},
                            {"b", Position::sb, "Kc Kh", 990, 0, 10},
                            {"c", Position::co, "Qc Qh", 990, 0, 10}},
                           900);
        ASSERT_LT(readEquity(t, BotSkill::beginner), 900.0 / 1830.0) << hole;
        ScriptAfterSampling beginner{samplingDraws(BotSkill::beginner, 3, 3), {}};
        EXPECT_EQ(botPostflopRead(t, "bot-1", BotSkill::beginner, beginner), (BotRead{Type::call, false}))
            << hole;
        for (BotSkill skill : {BotSkill::intermediate, BotSkill::pro}) {
            ScriptAfterSampling read{samplingDraws(skill, 3, 3), {}};
            EXPECT_EQ(botPostflopRead(t, "bot-1", skill, read), (BotRead{Type::fold})) << hole;
        }
        // With nothing to call the same draw semi-bluffs at half the pot.
        t.currentBet = 0;
        t.players[1].streetContribution = 0;
        t.players[1].totalContribution = 10;
        ASSERT_LT(readEquity(t, BotSkill::pro), 0.4) << hole;
        ScriptAfterSampling semi{samplingDraws(BotSkill::pro, 3, 3), {}};
        EXPECT_EQ(botPostflopRead(t, "bot-1", BotSkill::pro, semi), (BotRead{Type::bet, false, 0.5})) << hole;
        // On the river a missed draw has no outs: it checks.
        t.street = Street::river;
        t.board = cards(std::string(board) + " Qh Jd");
        ScriptAfterSampling river{samplingDraws(BotSkill::pro, 3, 5), {}};
        EXPECT_EQ(botPostflopRead(t, "bot-1", BotSkill::pro, river), (BotRead{Type::check})) << hole;
    }
}

TEST(BotDecisionTests, AbsentBotFolds) {
    const TableState t = dryFlopCheck();
    ScriptAfterSampling none{0, {}};
    EXPECT_EQ(botPostflopRead(t, "bot-7", BotSkill::pro, none), (BotRead{Type::fold}));
    EXPECT_EQ(none.taken, 0u);
}

TEST(BotDecisionTests, DrawCountsOnTheShortPaths) {
    // An absent bot reads fold without sampling; the bluff draw is still taken, and with no legal call that
    // is the only draw.
    ScriptAfterSampling absent{0, {0.0}};
    EXPECT_EQ(BotDecision::decide("bot-7", dryFlopCheck(), profile(BotSkill::pro, 1, 1, 1), absent),
              (PlayerAction{Type::fold, std::nullopt}));
    EXPECT_EQ(absent.decisionDraws(), 1u);
    // The unraised big blind reads check with king-queen; a bluff there is a bet sized as an open:
    // g = 1, r = 0.5 gives 2.5 big blinds, 25. The aggression draw is skipped.
    auto bb = makeTable(
        Street::preflop, "",
        {{"bot-1", Position::bb, "Kc Qd", 990, 10, 10}, {"sb", Position::sb, "2c 3d", 990, 10, 10}}, 10);
    ScriptAfterSampling bluff{0, {0.0, 0.5}};
    EXPECT_EQ(BotDecision::decide("bot-1", bb, profile(BotSkill::pro, 0, 0, 0.5), bluff),
              (PlayerAction{Type::bet, 25}));
    EXPECT_EQ(bluff.decisionDraws(), 2u);
    ScriptAfterSampling checks{0, {0.99, 0.99}};
    EXPECT_EQ(BotDecision::decide("bot-1", bb, profile(BotSkill::pro, 1, 0.5, 0.5), checks),
              (PlayerAction{Type::check, std::nullopt}));
    EXPECT_EQ(checks.decisionDraws(), 2u);
}

TEST(BotDecisionTests, ValueBetSizeFollowsTheReadFraction) {
    // Top pair heads-up: above the value threshold T = 0.6 but short of certainty, so the read's fraction
    // lies strictly between 0.45 and 1 and sets the bet: pot 1000 x f with no aggression and r = 0.
    const auto t = makeTable(
        Street::flop, "Kd 9c 4s",
        {{"bot-1", Position::bb, "Kh Qh", 5000, 0, 500}, {"a", Position::btn, "2c 3d", 5000, 0, 500}}, 0);
    const double e = readEquity(t, BotSkill::pro);
    ASSERT_GT(e, 0.6);
    ASSERT_LT(e, 1.0);
    const double f = 0.45 + 0.55 * (e - 0.6) / 0.4;
    ScriptAfterSampling read{samplingDraws(BotSkill::pro, 1, 3), {}};
    const BotRead got = botPostflopRead(t, "bot-1", BotSkill::pro, read);
    EXPECT_EQ(got.action, Type::bet);
    EXPECT_TRUE(got.isValue);
    ASSERT_TRUE(got.potFraction.has_value());
    EXPECT_DOUBLE_EQ(*got.potFraction, f);
    ScriptAfterSampling bet{samplingDraws(BotSkill::pro, 1, 3), {0.0}};
    EXPECT_EQ(BotDecision::decide("bot-1", t, profile(BotSkill::pro, 0, 0, 0), bet),
              (PlayerAction{Type::bet, roundToChipStep(1000 * f)}));
}

TEST(BotDecisionTests, SeededDecisionsReplay) {
    const TableState t = dryFlopCheck();
    SeededRNG a(77), b(77);
    for (int i = 0; i < 20; ++i) {
        const BotProfile p{BotSkill::intermediate, BotPersonality::maniac};
        EXPECT_EQ(BotDecision::decide("bot-1", t, p, a), BotDecision::decide("bot-1", t, p, b));
    }
    EXPECT_EQ(a.s, b.s);
}

}  // namespace
}  // namespace pellox
