// A game saved at any point of a hand and resumed in a fresh session goes on exactly as the original.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SessionTestSupport.hpp"
#include "rules/Json.hpp"
#include "session/SessionSnapshotStore.hpp"

namespace pellox {
namespace {

using testing::HeadlessDriver;
using testing::SessionRig;

struct ResumePoint {
    std::string name;
    GameMode mode;
    std::int64_t botCount;
    std::int32_t seed;
    // Play until this holds (checked before each step), then save.
    std::function<bool(const GameSession&)> when;
    std::optional<PreAction> armed = std::nullopt;
};

void startGame(GameSession& s, const ResumePoint& p) {
    if (p.mode == GameMode::cash)
        s.startCashGame(p.botCount, p.seed);
    else
        s.startTournament(p.botCount, p.seed);
}

// Grades made before the save are not in the snapshot: the resumed hand keeps only the later ones.
void expectSameRecords(const std::vector<HandRecord>& resumed, const std::vector<HandRecord>& original,
                       std::int64_t savedHand) {
    ASSERT_LE(resumed.size(), original.size());
    ASSERT_FALSE(resumed.empty());
    for (std::size_t i = 0; i < resumed.size(); ++i) {
        HandRecord a = resumed[i], b = original[i];
        if (a.handNumber == savedHand) {
            ASSERT_LE(a.grades.size(), b.grades.size());
            EXPECT_TRUE(std::equal(a.grades.begin(), a.grades.end(),
                                   b.grades.end() - static_cast<std::ptrdiff_t>(a.grades.size())));
            a.grades.clear();
            b.grades.clear();
        }
        EXPECT_EQ(a, b) << "hand " << a.handNumber;
    }
}

void checkResume(const ResumePoint& p) {
    SCOPED_TRACE(p.name);
    SessionRig original;
    startGame(original.session, p);
    auto policyRng = std::make_shared<SeededRNG>(p.seed + 1);
    HeadlessDriver first{original.session, testing::randomPolicy(policyRng)};
    first.rebuys = true;
    while (!(p.when(original.session) && original.session.table()->isHandInProgress)) {
        ASSERT_TRUE(first.step());
        ASSERT_LT(first.steps, 20'000) << "never reached";
    }
    if (p.armed) original.session.setPreAction(p.armed);

    auto store = std::make_shared<InMemoryStore>();
    SessionSnapshotStore(store).save(*original.session.makeSnapshot());
    const auto loaded = SessionSnapshotStore(store).load();
    ASSERT_TRUE(loaded);
    const std::int64_t savedHand = loaded->table.handNumber;

    SessionRig resumed;
    resumed.session.setPreAction(p.armed);
    resumed.session.restore(*loaded);
    HeadlessDriver second{resumed.session, testing::randomPolicy(std::make_shared<SeededRNG>(policyRng->s))};
    second.revealHand = first.revealHand;
    second.revealCount = first.revealCount;
    second.rebuys = true;

    ASSERT_EQ(resumed.session.humanAdvice(), original.session.humanAdvice());
    for (int i = 0; i < 1500 && original.session.table()->handNumber <= savedHand + 6; ++i) {
        const bool moved = first.step();
        ASSERT_EQ(moved, second.step());
        if (!moved) break;
        ASSERT_EQ(Json(*resumed.session.table()), Json(*original.session.table())) << "step " << i;
        ASSERT_EQ(resumed.session.currentHandEvents(), original.session.currentHandEvents());
        ASSERT_EQ(resumed.session.humanAdvice(), original.session.humanAdvice()) << "step " << i;
        ASSERT_EQ(resumed.session.eliminationOrder(), original.session.eliminationOrder());
    }
    EXPECT_EQ(resumed.session.gameRng().s, original.session.gameRng().s);
    EXPECT_EQ(resumed.session.adviceRng().s, original.session.adviceRng().s);
    EXPECT_EQ(resumed.session.sessionSummary().handsPlayed, original.session.sessionSummary().handsPlayed);
    EXPECT_EQ(resumed.session.sessionSummary().netChips, original.session.sessionSummary().netChips);
    expectSameRecords(resumed.stats.handHistory(), original.stats.handHistory(), savedHand);
}

bool humanTurn(const GameSession& s) {
    return s.isHumanTurn();
}

TEST(SessionResume, ContinuesExactlyFromManyPoints) {
    const std::vector<ResumePoint> points{
        {"right after the deal", GameMode::cash, 3, 5,
         [](const GameSession& s) { return s.table()->handNumber == 2; }},
        {"human to act preflop", GameMode::cash, 1, 23, humanTurn},
        {"bot to act mid-street", GameMode::cash, 4, 8,
         [](const GameSession& s) {
             return s.table()->street == Street::flop && !s.isHumanTurn() && s.table()->currentBet > 0;
         }},
        {"between streets", GameMode::cash, 2, 13,
         [](const GameSession& s) {
             return s.table()->street == Street::turn &&
                    s.currentHandEvents().back().is<EngineEvent::StreetDealt>();
         }},
        {"human to act on the river", GameMode::cash, 2, 31,
         [](const GameSession& s) { return s.table()->street == Street::river && s.isHumanTurn(); }},
        {"pre-action armed", GameMode::cash, 3, 44,
         [](const GameSession& s) {
             const Player* h = s.table()->player("human");
             return !s.isHumanTurn() && h->holeCards.size() == 2 && !h->hasFolded && !h->isAllIn &&
                    s.table()->street == Street::preflop;
         },
         PreAction::callAny},
        {"tournament at a later level", GameMode::tournament, 5, -77,
         [](const GameSession& s) {
             return s.table()->handNumber >= 23 && s.table()->street != Street::preflop;
         }},
        {"tournament after eliminations", GameMode::tournament, 3, 1234,
         [](const GameSession& s) { return !s.eliminationOrder().empty(); }},
    };
    for (const auto& p : points)
        checkResume(p);
}

}  // namespace
}  // namespace pellox
