// The steps that move a game forward: hand start, the human's and the bots' actions, the hand's end.
#include <algorithm>
#include <map>
#include <utility>

#include "rules/CashGameConfig.hpp"
#include "rules/EngineError.hpp"
#include "rules/PokerEngine.hpp"
#include "rules/TournamentConfig.hpp"
#include "session/GameSession.hpp"
#include "store/HandOutcome.hpp"
#include "store/HandRecord.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "store/StoredDate.hpp"
#include "strategy/BotDecision.hpp"
#include "strategy/GradeInput.hpp"

namespace pellox {

namespace {

// Players out by this hand who were not out before it.
std::vector<const Player*> newlyEliminated(const std::vector<Player>& before,
                                           const std::vector<Player>& after) {
    std::vector<const Player*> out;
    for (const Player& p : after) {
        if (!p.isEliminated) continue;
        auto it = std::find_if(before.begin(), before.end(), [&](const Player& q) { return q.id == p.id; });
        if (it == before.end() || !it->isEliminated) out.push_back(&p);
    }
    return out;
}

bool isAggressive(PlayerActionType type) {
    return type == PlayerActionType::bet || type == PlayerActionType::raise;
}

}  // namespace

// Eliminations, the end of the tournament, the next level's blinds. True when the tournament is over.
bool GameSession::settleTournament(TableState& table) {
    const std::vector<Player> before = table.players;
    std::vector<Player> after = TournamentConfig::eliminateBustedPlayers(before);

    auto out = newlyEliminated(before, after);
    if (!out.empty()) {
        std::map<std::string, std::int64_t> startingStacks;
        for (const HandSeat& seat : handSeatsSnapshot())
            startingStacks[seat.id] = seat.startingStack;
        auto stackOf = [&](const Player* p) {
            auto it = startingStacks.find(p->id);
            return it == startingStacks.end() ? std::int64_t{0} : it->second;
        };
        std::stable_sort(out.begin(), out.end(),
                         [&](const Player* a, const Player* b) { return stackOf(a) < stackOf(b); });
        eliminationOrder_.modify([&](std::vector<std::string>& order) {
            for (const Player* p : out)
                order.push_back(p->id);
        });
    }

    if (TournamentConfig::isFinished(after)) {
        auto winner =
            std::find_if(after.begin(), after.end(), [](const Player& p) { return !p.isEliminated; });
        if (winner != after.end()) {
            std::vector<std::string> field;
            for (const Player& p : before)
                field.push_back(p.id);
            standings_.set(TournamentConfig::standings(field, eliminationOrder(), winner->id));
        } else {
            standings_.set(std::vector<Standing>{});
        }
        tournamentOver_.set(true);
        table.players = std::move(after);
        table_.set(table);
        return true;
    }

    table.players = std::move(after);
    const BlindLevel level = settings_.tournamentConfig.get().blindLevel(table.handNumber + 1);
    table.smallBlind = level.smallBlind;
    table.bigBlind = level.bigBlind;
    table.ante = level.ante;
    return false;
}

void GameSession::startHand() {
    if (!table() || !mode()) return;
    TableState next = *table();
    if (*mode() == GameMode::cash) {
        next.players =
            CashGameConfig::rebuyBustedBots(std::move(next.players), settings_.cashConfig.get().defaultBuyIn);
    } else if (settleTournament(next)) {
        return;
    }

    const std::int32_t handSeed = toStoredSeed(gameRng_.s);
    EngineResult result;
    try {
        result = PokerEngine::startHand(next, gameRng_);
    } catch (const EngineError&) {
        return;
    }

    std::vector<HandSeat> seats;
    seats.reserve(next.players.size());
    for (const Player& p : next.players)
        seats.push_back({p.id, p.name, p.seatIndex, p.stack});
    handSeatsSnapshot_.set(std::move(seats));
    const Player* human = next.player(humanId);
    humanStackAtHandStart_.set(human ? human->stack : 0);
    currentHandSeed_.set(handSeed);

    const bool dealt = !result.events.empty();
    table_.set(std::move(result.state));
    currentHandGrades_.set({});
    currentHandEvents_.set(std::move(result.events));
    preAction_.set(std::nullopt);
    // Blinds and antes can put everyone all in, so a hand may be over as soon as it is dealt; it is
    // recorded like any other.
    if (dealt) finishHandIfOver();
    refreshHumanAdvice();
}

void GameSession::applyStep(const EngineResult& result) {
    table_.set(result.state);
    currentHandEvents_.modify([&](std::vector<EngineEvent>& events) {
        events.insert(events.end(), result.events.begin(), result.events.end());
    });
}

void GameSession::submitHumanAction(PlayerActionType type, std::optional<std::int64_t> amount) {
    if (!table()) return;
    const Player* human = table()->player(humanId);
    if (!human || !table()->currentToActSeatIndex || *table()->currentToActSeatIndex != human->seatIndex)
        return;

    const LegalActions legal = PokerEngine::legalActions(humanId, *table());
    const std::int64_t pot = table()->potTotal();
    const std::int64_t contribution = human->streetContribution;
    const std::int64_t handNumber = table()->handNumber;
    const Street street = table()->street;
    const PlayerAction action{type, amount};

    EngineResult result;
    try {
        result = PokerEngine::applyAction(action, humanId, *table());
    } catch (const EngineError&) {
        return;
    }
    // Taken only once the engine accepted the action, so a refused one draws nothing from the advice stream.
    std::optional<StrategyAdvice> advice;
    if (settings_.guideMode.get() != GuideMode::off)
        advice = humanAdvice() ? humanAdvice() : computeAdviceNow();
    applyStep(result);

    if (advice) {
        auto taken = std::find_if(result.events.begin(), result.events.end(), [](const EngineEvent& e) {
            const auto* a = e.as<EngineEvent::ActionTaken>();
            return a && a->playerId == humanId;
        });
        if (taken != result.events.end()) {
            const auto& a = *taken->as<EngineEvent::ActionTaken>();
            std::optional<std::int64_t> raiseTo;
            if (isAggressive(a.resolvedType)) raiseTo = contribution + a.amountPutIn;
            const GradeInput input{handNumber, street,  action, a.resolvedType,
                                   raiseTo,    *advice, pot,    legal.callAmount};
            currentHandGrades_.modify(
                [&](std::vector<GradedDecision>& grades) { grades.push_back(GradedDecision::grade(input)); });
        }
    }
    finishHandIfOver();
    refreshHumanAdvice();
}

bool GameSession::applyPreAction() {
    if (!preAction() || !isHumanTurn()) return false;
    const LegalActions legal = PokerEngine::legalActions(humanId, *table());
    const PreAction armed = *preAction();
    preAction_.set(std::nullopt);
    const auto action = resolve(armed, legal);
    if (!action) return false;
    submitHumanAction(action->type, action->amount);
    return true;
}

void GameSession::playBotTurn() {
    const auto& t = table();
    if (!t || !t->isHandInProgress) return;
    const Player* bot = t->currentPlayer();
    if (!bot || !bot->isBot) return;
    const std::string botId = bot->id;
    auto it = botProfiles().find(botId);
    const BotProfile profile = it == botProfiles().end() ? BotProfile::standard : it->second;

    const PlayerAction action = BotDecision::decide(botId, *t, profile, gameRng_);
    EngineResult result;
    try {
        result = PokerEngine::applyAction(action, botId, *t);
    } catch (const EngineError&) {
        return;
    }
    applyStep(result);
    finishHandIfOver();
    refreshHumanAdvice();
}

std::int64_t GameSession::humanNetSinceHandStart() const {
    const Player* human = table() ? table()->player(humanId) : nullptr;
    return (human ? human->stack : 0) - humanStackAtHandStart();
}

void GameSession::finishHandIfOver() {
    if (!table() || !mode() || table()->isHandInProgress) return;
    const TableState& t = *table();
    const Player* human = t.player(humanId);
    const std::int64_t net = humanNetSinceHandStart();
    lastHandNet_ = net;
    if (human) recordFinishedHand(t, *human, net);
    if (!currentHandGrades().empty()) {
        lastHandGrades_.set(currentHandGrades());
        currentHandGrades_.set({});
    }
}

void GameSession::recordFinishedHand(const TableState& table, const Player& human, std::int64_t net) {
    HandRecord record;
    record.id = HandRecord::identifier(table.handNumber, currentHandSeed());
    record.timestamp = roundedToStoredPrecision(clock_());
    record.mode = *mode();
    record.handNumber = table.handNumber;
    record.blinds = {table.smallBlind, table.bigBlind, table.ante};
    record.dealerSeatIndex = table.dealerSeatIndex;
    record.seats = handSeatsSnapshot();
    record.humanHoleCards = human.holeCards;
    record.humanPosition = human.position;
    record.board = table.board;
    record.seed = currentHandSeed();
    record.events = currentHandEvents();
    record.winners = table.winners.value_or(std::vector<Winner>{});
    record.grades = currentHandGrades();
    record.humanNet = net;

    statsStore_.record(HandOutcome{*mode(), net, human.position, currentHandGrades()}, std::move(record));
    sessionSummary_.modify([&](SessionSummary& s) { s.record(net, currentHandGrades()); });
    if (*mode() == GameMode::cash && human.stack < 1) humanBustedInCash_.set(true);
}

}  // namespace pellox
