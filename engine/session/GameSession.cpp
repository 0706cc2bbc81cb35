#include "session/GameSession.hpp"

#include <array>
#include <chrono>
#include <utility>

#include <fmt/format.h>

#include "rules/EngineError.hpp"
#include "rules/PokerEngine.hpp"
#include "rules/RandomSource.hpp"
#include "rules/UncalledBet.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "view/ActionLog.hpp"

namespace pellox {

namespace {

constexpr std::array<std::string_view, 5> botNames{"Riverboat Ray", "Nitty Nick", "Maniac Mo", "Calling Cate",
                                                   "Solid Sam"};

}  // namespace

GameSession::GameSession(SettingsStore& settings, StatsStore& statsStore,
                         std::shared_ptr<AdviceScheduler> scheduler, Clock clock)
    : settings_(settings),
      statsStore_(statsStore),
      scheduler_(scheduler ? std::move(scheduler) : std::make_shared<ImmediateAdviceScheduler>()),
      clock_(clock ? std::move(clock) : Clock([] { return std::chrono::system_clock::now(); })) {}

// Pending publish steps find the liveness token gone and do nothing.
GameSession::~GameSession() = default;

void GameSession::reseed(std::int32_t seed) {
    sessionSeed_.set(seed);
    gameRng_.s = RNGStream::seed(fromStoredSeed(seed), RNGStream::game);
    adviceRng_.s = RNGStream::seed(fromStoredSeed(seed), RNGStream::advice);
}

std::vector<SeatConfig> GameSession::seatList(std::int64_t botCount, std::int64_t startingStack) {
    auto names = botNames;
    shuffleInPlace(names, gameRng_);
    std::vector<SeatConfig> seats{{std::string(humanId), std::string(humanName), false, startingStack}};
    for (std::int64_t i = 0; i < botCount; ++i) {
        seats.push_back({fmt::format("bot-{}", i),
                         std::string(names[static_cast<std::size_t>(i) % names.size()]), true,
                         startingStack});
    }
    return seats;
}

std::map<std::string, BotProfile> GameSession::botProfilesFor(const std::vector<SeatConfig>& seats,
                                                              BotDifficulty difficulty) {
    const auto& list = personalities(difficulty);
    std::map<std::string, BotProfile> out;
    std::size_t k = 0;
    for (const auto& seat : seats) {
        if (!seat.isBot) continue;
        out[seat.id] = BotProfile{skill(difficulty), list[k % list.size()]};
        ++k;
    }
    return out;
}

void GameSession::startCashGame(std::int64_t botCount, std::optional<std::int32_t> seed) {
    reseed(seed.value_or(toStoredSeed(SeededRNG::randomSeed())));
    const CashGameConfig cash = settings_.cashConfig.get();
    const auto seats = seatList(botCount, cash.defaultBuyIn);
    beginSession(GameMode::cash, TableState(GameMode::cash, seats, cash.smallBlind, cash.bigBlind, 0), seats);
}

void GameSession::startTournament(std::int64_t botCount, std::optional<std::int32_t> seed) {
    reseed(seed.value_or(toStoredSeed(SeededRNG::randomSeed())));
    const TournamentConfig& config = settings_.tournamentConfig.get();
    const auto seats = seatList(botCount, config.startingStack);
    const BlindLevel first = config.blindLevel(1);
    beginSession(GameMode::tournament,
                 TableState(GameMode::tournament, seats, first.smallBlind, first.bigBlind, 0), seats);
}

void GameSession::beginSession(GameMode mode, TableState table, const std::vector<SeatConfig>& seats) {
    resetGameOutcome();
    mode_.set(mode);
    table_.set(std::move(table));
    botProfiles_.set(botProfilesFor(seats, settings_.botDifficulty.get()));
    eliminationOrder_.set({});
    sessionSummary_.set(SessionSummary{});
    statsStore_.recordSessionStart();
    startHand();
}

void GameSession::resetGameOutcome() {
    // A game started, ended or restored never inherits the advice of the previous one, a result still on
    // its way, its grades or how it ended.
    clearAdvice();
    lastHandNet_.reset();
    standings_.set(std::nullopt);
    tournamentOver_.set(false);
    humanBustedInCash_.set(false);
    currentHandGrades_.set({});
    lastHandGrades_.set({});
}

void GameSession::clearAdvice() {
    ++adviceRequest_;
    humanAdvice_.assign(std::nullopt);
    humanAdviceKey_.reset();
}

void GameSession::rebuy() {
    if (!table()) return;
    TableState next = *table();
    next.players =
        TableState::restack(std::move(next.players), humanId, settings_.cashConfig.get().defaultBuyIn);
    table_.set(std::move(next));
    humanBustedInCash_.set(false);
}

void GameSession::endSession() {
    resetGameOutcome();
    mode_.set(std::nullopt);
    table_.set(std::nullopt);
    botProfiles_.set({});
    reseed(0);
    currentHandSeed_.set(0);
    eliminationOrder_.set({});
    sessionSummary_.set(SessionSummary{});
    currentHandEvents_.set({});
    handSeatsSnapshot_.set({});
    humanStackAtHandStart_.set(0);
    preAction_.set(std::nullopt);
}

bool GameSession::isHumanTurn() const {
    const auto& t = table();
    if (!t || !t->isHandInProgress) return false;
    const Player* acting = t->currentPlayer();
    return acting && acting->id == humanId;
}

std::optional<LegalActions> GameSession::humanLegalActions() const {
    const auto& t = table();
    if (!t || !t->isHandInProgress) return std::nullopt;
    return PokerEngine::legalActions(humanId, *t);
}

std::int64_t GameSession::potTotal() const {
    return table() ? table()->potTotal() : 0;
}

std::vector<ActionLogStreet> GameSession::actionLog() const {
    return ActionLog::build(currentHandEvents(), [this](std::string_view id) { return playerName(id); });
}

std::string GameSession::playerName(std::string_view playerId) const {
    if (table()) {
        if (const Player* p = table()->player(playerId)) return p->name;
    }
    return std::string(playerId);
}

std::optional<HandReport> GameSession::handReport() const {
    const auto& t = table();
    if (!t || t->isHandInProgress || !t->winners) return std::nullopt;
    const auto& last = lastHandGrades();
    std::vector<GradedDecision> decisions;
    if (!last.empty() && last.front().handNumber == t->handNumber) decisions = last;
    const std::int64_t net = lastHandNet_ ? *lastHandNet_ : humanNetSinceHandStart();
    // A bet handed back unmatched was never won: the report names who won the contested pots.
    return HandReport(std::move(decisions), net, UncalledBet::winnersAsWon(*t),
                      [this](std::string_view id) { return playerName(id); });
}

std::string GameSession::decisionKey(const TableState& table) {
    return fmt::format("{}:{}:{}:{}", table.handNumber, rawValue(table.street), table.currentBet,
                       table.raisesThisStreet);
}

}  // namespace pellox
