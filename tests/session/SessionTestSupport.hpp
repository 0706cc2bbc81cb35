#pragma once
// Drives a GameSession without a screen: a scheduler drained by hand, a fixed clock, stores in memory and
// a driver that paces the game as the table screen does.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "rules/LegalActions.hpp"
#include "rules/PlayerAction.hpp"
#include "rules/SeededRNG.hpp"
#include "session/AdviceScheduler.hpp"
#include "session/GameSession.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "store/WriteCountingStore.hpp"
#include "view/PacingStep.hpp"

namespace pellox::testing {

// Holds posted work until the test runs it, in any order; a publish step may be held back too.
class ManualAdviceScheduler final : public AdviceScheduler {
  public:
    std::vector<Work> pending;

    void post(Work work) override { pending.push_back(std::move(work)); }

    // Runs the work at that index and returns its publish step without running it.
    Publish runWork(std::size_t index) {
        Work work = std::move(pending.at(index));
        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(index));
        return work();
    }
    void run(std::size_t index) {
        if (auto publish = runWork(index)) publish();
    }
    void drainInOrder() {
        while (!pending.empty())
            run(0);
    }
    void drainInReverse() {
        while (!pending.empty())
            run(pending.size() - 1);
    }
};

inline Date fixedDate() {
    return referenceDate + std::chrono::seconds(800'000'000);
}

// The stores and a session over them; the stores are loaded, so every save writes.
struct SessionRig {
    std::shared_ptr<test::WriteCountingStore> store = std::make_shared<test::WriteCountingStore>();
    SettingsStore settings;
    StatsStore stats;
    std::shared_ptr<ManualAdviceScheduler> scheduler = std::make_shared<ManualAdviceScheduler>();
    GameSession session;

    // Synchronous advice unless `manual`, in which case background work waits in `scheduler`.
    explicit SessionRig(bool manual = false, GuideMode guide = GuideMode::show)
        : session(settings, stats, manual ? std::shared_ptr<AdviceScheduler>(scheduler) : nullptr,
                  fixedDate) {
        settings.load(store);
        stats.load(store);
        settings.guideMode.set(guide);
        session.setComputesAdviceSynchronously(!manual);
    }
};

// A snapshot of a table as it stands, its seats taken from its players' stacks.
inline SessionSnapshot snapshotOf(const TableState& table) {
    SessionSnapshot s;
    s.table = table;
    s.mode = table.mode;
    for (const Player& p : table.players)
        s.handSeatsSnapshot.push_back({p.id, p.name, p.seatIndex, p.stack + p.totalContribution});
    const Player* human = table.player("human");
    s.humanStackAtHandStart = human ? human->stack + human->totalContribution : 0;
    return s;
}

// A table between hands with these stacks: the human first, then bot-0, bot-1, ...
inline TableState tableBetweenHands(GameMode mode, const std::vector<std::int64_t>& stacks,
                                    std::int64_t handNumber) {
    std::vector<SeatConfig> seats;
    for (std::size_t i = 0; i < stacks.size(); ++i) {
        if (i == 0)
            seats.push_back({"human", "You", false, stacks[i]});
        else
            seats.push_back(
                {"bot-" + std::to_string(i - 1), "Bot " + std::to_string(i - 1), true, stacks[i]});
    }
    TableState t(mode, seats, 10, 20, 0);
    t.handNumber = handNumber;
    return t;
}

// The human's choice at a decision.
using HumanPolicy = std::function<PlayerAction(const LegalActions&, const GameSession&)>;

// Uniformly among the legal kinds of action, with a random legal amount for bets and raises.
inline HumanPolicy randomPolicy(std::shared_ptr<SeededRNG> rng) {
    return [rng](const LegalActions& legal, const GameSession&) {
        std::vector<PlayerActionType> kinds;
        if (legal.canFold) kinds.push_back(PlayerActionType::fold);
        if (legal.canCheck) kinds.push_back(PlayerActionType::check);
        if (legal.canCall) kinds.push_back(PlayerActionType::call);
        if (legal.canBet) kinds.push_back(PlayerActionType::bet);
        if (legal.canRaise) kinds.push_back(PlayerActionType::raise);
        if (legal.canAllIn) kinds.push_back(PlayerActionType::allIn);
        if (kinds.empty()) return PlayerAction{PlayerActionType::fold, std::nullopt};
        const auto kind = kinds[static_cast<std::size_t>(rng->next() * static_cast<double>(kinds.size()))];
        if (kind != PlayerActionType::bet && kind != PlayerActionType::raise)
            return PlayerAction{kind, std::nullopt};
        const auto span = std::max<std::int64_t>(0, legal.maxRaiseTo - legal.minRaiseTo);
        const auto amount =
            legal.minRaiseTo + static_cast<std::int64_t>(rng->next() * static_cast<double>(span));
        return PlayerAction{kind, amount};
    };
}

// Pushes every chip in at once.
inline PlayerAction allInPolicy(const LegalActions& legal, const GameSession&) {
    if (legal.canAllIn) return {PlayerActionType::allIn, std::nullopt};
    if (legal.canCall) return {PlayerActionType::call, std::nullopt};
    return {PlayerActionType::check, std::nullopt};
}

// Plays as the table screen does: asks the pacing step, waits nothing, performs its action; the human
// decides through the policy.
struct HeadlessDriver {
    GameSession& session;
    HumanPolicy human;
    std::int64_t revealHand = 0;
    std::int64_t revealCount = 0;
    std::int64_t steps = 0;
    // Answer a broke human's overlay with a rebuy instead of stopping.
    bool rebuys = false;

    std::int64_t revealedBoardCount() const {
        const auto& t = session.table();
        if (!t || revealHand != t->handNumber) return 0;
        return std::min(static_cast<std::int64_t>(t->board.size()), revealCount);
    }

    PacingStep pacing() const {
        const auto& t = session.table();
        PacingInput in;
        in.hasTable = t.has_value();
        in.isHandInProgress = t && t->isHandInProgress;
        in.boardLength = t ? static_cast<std::int64_t>(t->board.size()) : 0;
        in.revealedBoardCount = revealedBoardCount();
        const Player* acting = t ? t->currentPlayer() : nullptr;
        in.actingIsBot = acting && acting->isBot;
        in.actingIsHuman = session.isHumanTurn();
        in.blocked = session.tournamentOver() || session.humanBustedInCash();
        return PacingStep::next(in, PacingTimings{});
    }

    // One action; false when the game waits for something the driver does not do.
    bool step() {
        const PacingStep next = pacing();
        ++steps;
        if (next.advance) {
            switch (next.advance->action) {
                case PacingAction::revealNextCard:
                    revealHand = session.table()->handNumber;
                    revealCount = revealedBoardCount() + 1;
                    return true;
                case PacingAction::playBotTurn:
                    session.playBotTurn();
                    return true;
                case PacingAction::startNextHand:
                    session.startHand();
                    return true;
            }
        }
        if (rebuys && session.humanBustedInCash()) {
            session.rebuy();
            return true;
        }
        if (next.phase == PacingPhase::awaitingHuman) {
            if (session.preAction() && session.applyPreAction()) return true;
            const auto legal = session.humanLegalActions();
            const PlayerAction action = human(*legal, session);
            session.submitHumanAction(action.type, action.amount);
            return true;
        }
        return false;
    }

    // Steps until the game stops or the hand count passes the limit; returns the number of steps.
    std::int64_t run(std::int64_t maxHands, std::int64_t maxSteps = 200'000) {
        std::int64_t n = 0;
        while (n < maxSteps && step()) {
            ++n;
            if (session.table() && session.table()->handNumber > maxHands) break;
        }
        return n;
    }
};

}  // namespace pellox::testing
