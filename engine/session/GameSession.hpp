#pragma once
// The running game of one human against bots: starting games and hands, the human's and the bots'
// actions, grading, the guide's advice and the records of finished hands. Used from one thread only; the
// advice may be computed elsewhere through the scheduler and is published back on this thread.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/EngineEvent.hpp"
#include "rules/EngineResult.hpp"
#include "rules/GameMode.hpp"
#include "rules/HumanPlayer.hpp"
#include "rules/LegalActions.hpp"
#include "rules/PlayerActionType.hpp"
#include "rules/SeatConfig.hpp"
#include "rules/SeededRNG.hpp"
#include "rules/Standing.hpp"
#include "rules/TableState.hpp"
#include "session/AdviceScheduler.hpp"
#include "session/PreAction.hpp"
#include "session/SessionSnapshot.hpp"
#include "session/SessionSummary.hpp"
#include "store/HandRecord.hpp"
#include "store/HandSeat.hpp"
#include "store/Observed.hpp"
#include "store/StoredDate.hpp"
#include "strategy/BotDifficulty.hpp"
#include "strategy/BotProfile.hpp"
#include "strategy/GradedDecision.hpp"
#include "strategy/StrategyAdvice.hpp"
#include "view/ActionLogStreet.hpp"
#include "view/HandReport.hpp"

namespace pellox {

class SettingsStore;
class StatsStore;

class GameSession {
  public:
    using Clock = std::function<Date()>;

    // The names subscribers receive and subscribe by, one per observed property.
    struct Property {
        static constexpr std::string_view mode{"mode"};
        static constexpr std::string_view table{"table"};
        static constexpr std::string_view botProfiles{"botProfiles"};
        static constexpr std::string_view eliminationOrder{"eliminationOrder"};
        static constexpr std::string_view standings{"standings"};
        static constexpr std::string_view tournamentOver{"tournamentOver"};
        static constexpr std::string_view humanBustedInCash{"humanBustedInCash"};
        static constexpr std::string_view sessionSeed{"sessionSeed"};
        static constexpr std::string_view humanAdvice{"humanAdvice"};
        static constexpr std::string_view sessionSummary{"sessionSummary"};
        static constexpr std::string_view currentHandGrades{"currentHandGrades"};
        static constexpr std::string_view lastHandGrades{"lastHandGrades"};
        static constexpr std::string_view currentHandEvents{"currentHandEvents"};
        static constexpr std::string_view handSeatsSnapshot{"handSeatsSnapshot"};
        static constexpr std::string_view humanStackAtHandStart{"humanStackAtHandStart"};
        static constexpr std::string_view currentHandSeed{"currentHandSeed"};
        static constexpr std::string_view preAction{"preAction"};
    };

    static constexpr std::string_view humanId = humanPlayerId;
    static constexpr std::string_view humanName = humanPlayerName;

    // The scheduler runs the background advice; the clock stamps hand records. Both stores must outlive the
    // session.
    GameSession(SettingsStore& settings, StatsStore& statsStore,
                std::shared_ptr<AdviceScheduler> scheduler = std::make_shared<ImmediateAdviceScheduler>(),
                Clock clock = nullptr);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // --- Starting and ending games
    // No seed: one is drawn from the operating system's random source.
    void startCashGame(std::int64_t botCount, std::optional<std::int32_t> seed = std::nullopt);
    void startTournament(std::int64_t botCount, std::optional<std::int32_t> seed = std::nullopt);
    // The human's stack grows by the cash buy-in and the human is back in play.
    void rebuy();
    // Everything back to the values of a new session (the generators hold the mixes of seed 0).
    void endSession();

    // --- Hand flow
    void startHand();
    // Ignored unless the human is to act; an action the engine refuses changes nothing.
    void submitHumanAction(PlayerActionType type, std::optional<std::int64_t> amount = std::nullopt);
    // True when the armed pre-action became a submitted action.
    bool applyPreAction();
    void playBotTurn();
    void finishHandIfOver();

    // --- Advice
    void refreshHumanAdvice();
    // The advice the table may show: hand in progress, guide shown, the street's toggle on.
    std::optional<StrategyAdvice> visibleAdvice() const;

    // --- Unfinished hands
    // None unless a hand is in progress. Changes nothing.
    std::optional<SessionSnapshot> makeSnapshot() const;
    // Replaces the session's game with the snapshot's; a snapshot the game could not go on from is ignored.
    void restore(const SessionSnapshot& snapshot);

    // --- Queries
    bool isHumanTurn() const;
    std::optional<LegalActions> humanLegalActions() const;
    std::int64_t potTotal() const;
    // The current hand street by street, players named as at the table.
    std::vector<ActionLogStreet> actionLog() const;
    std::optional<HandReport> handReport() const;
    // The name of the table's player with that id, or the id itself.
    std::string playerName(std::string_view playerId) const;

    // --- Observed state (subscribers get the property's name)
    [[nodiscard]] Subscription subscribe(Observers::Callback callback) {
        return observers_.subscribe(std::move(callback));
    }
    [[nodiscard]] Subscription subscribe(std::string_view property, Observers::Callback callback) {
        return observers_.subscribe(property, std::move(callback));
    }

    const std::optional<GameMode>& mode() const noexcept { return mode_.get(); }
    const std::optional<TableState>& table() const noexcept { return table_.get(); }
    const std::map<std::string, BotProfile>& botProfiles() const noexcept { return botProfiles_.get(); }
    const std::vector<std::string>& eliminationOrder() const noexcept { return eliminationOrder_.get(); }
    const std::optional<std::vector<Standing>>& standings() const noexcept { return standings_.get(); }
    bool tournamentOver() const noexcept { return tournamentOver_.get(); }
    bool humanBustedInCash() const noexcept { return humanBustedInCash_.get(); }
    std::int32_t sessionSeed() const noexcept { return sessionSeed_.get(); }
    const SeededRNG& gameRng() const noexcept { return gameRng_; }
    const SeededRNG& adviceRng() const noexcept { return adviceRng_; }
    const std::optional<StrategyAdvice>& humanAdvice() const noexcept { return humanAdvice_.get(); }
    const std::optional<std::string>& humanAdviceKey() const noexcept { return humanAdviceKey_; }
    const SessionSummary& sessionSummary() const noexcept { return sessionSummary_.get(); }
    const std::vector<GradedDecision>& currentHandGrades() const noexcept { return currentHandGrades_.get(); }
    const std::vector<GradedDecision>& lastHandGrades() const noexcept { return lastHandGrades_.get(); }
    const std::vector<EngineEvent>& currentHandEvents() const noexcept { return currentHandEvents_.get(); }
    const std::vector<HandSeat>& handSeatsSnapshot() const noexcept { return handSeatsSnapshot_.get(); }
    std::int64_t humanStackAtHandStart() const noexcept { return humanStackAtHandStart_.get(); }
    std::int32_t currentHandSeed() const noexcept { return currentHandSeed_.get(); }
    SettingsStore& settings() const noexcept { return settings_; }
    StatsStore& statsStore() const noexcept { return statsStore_; }

    bool computesAdviceSynchronously() const noexcept { return computesAdviceSynchronously_; }
    void setComputesAdviceSynchronously(bool value) noexcept { computesAdviceSynchronously_ = value; }

    const std::optional<PreAction>& preAction() const noexcept { return preAction_.get(); }
    void setPreAction(std::optional<PreAction> value) { preAction_.set(value); }

    // --- Helpers with a rule of their own
    // "<hand number>:<street>:<current bet>:<raises this street>".
    static std::string decisionKey(const TableState& table);
    // Bot k of the seat list: the difficulty's skill and entry k of its personality list.
    static std::map<std::string, BotProfile> botProfilesFor(const std::vector<SeatConfig>& seats,
                                                            BotDifficulty difficulty);

  private:
    struct Liveness {};

    void reseed(std::int32_t seed);
    std::vector<SeatConfig> seatList(std::int64_t botCount, std::int64_t startingStack);
    void beginSession(GameMode mode, TableState table, const std::vector<SeatConfig>& seats);
    void resetGameOutcome();
    void clearAdvice();

    // Hand flow steps.
    bool settleTournament(TableState& table);
    void recordFinishedHand(const TableState& table, const Player& human, std::int64_t net);
    void applyStep(const EngineResult& result);
    // The human's stack at the table less the stack at the hand's start.
    std::int64_t humanNetSinceHandStart() const;

    // Advice steps.
    bool humanFacesDecision() const;
    std::uint32_t forkAdviceStream();
    std::optional<StrategyAdvice> computeAdviceNow();
    void postAdviceTask(const std::string& key, std::unique_ptr<SeededRNG> fork);

    Observers observers_;
    Observed<std::optional<GameMode>> mode_{observers_, Property::mode, std::nullopt};
    Observed<std::optional<TableState>> table_{observers_, Property::table, std::nullopt};
    Observed<std::map<std::string, BotProfile>> botProfiles_{observers_, Property::botProfiles, {}};
    Observed<std::vector<std::string>> eliminationOrder_{observers_, Property::eliminationOrder, {}};
    Observed<std::optional<std::vector<Standing>>> standings_{observers_, Property::standings, std::nullopt};
    Observed<bool> tournamentOver_{observers_, Property::tournamentOver, false};
    Observed<bool> humanBustedInCash_{observers_, Property::humanBustedInCash, false};
    Observed<std::int32_t> sessionSeed_{observers_, Property::sessionSeed, 0};
    SeededRNG gameRng_{0};
    SeededRNG adviceRng_{0};
    // The advice type has no equality of its own in the model, so every write is an announced assign().
    Observed<std::optional<StrategyAdvice>> humanAdvice_{observers_, Property::humanAdvice, std::nullopt};
    std::optional<std::string> humanAdviceKey_;
    Observed<SessionSummary> sessionSummary_{observers_, Property::sessionSummary, SessionSummary{}};
    Observed<std::vector<GradedDecision>> currentHandGrades_{observers_, Property::currentHandGrades, {}};
    Observed<std::vector<GradedDecision>> lastHandGrades_{observers_, Property::lastHandGrades, {}};
    Observed<std::vector<EngineEvent>> currentHandEvents_{observers_, Property::currentHandEvents, {}};
    Observed<std::vector<HandSeat>> handSeatsSnapshot_{observers_, Property::handSeatsSnapshot, {}};
    Observed<std::int64_t> humanStackAtHandStart_{observers_, Property::humanStackAtHandStart, 0};
    Observed<std::int32_t> currentHandSeed_{observers_, Property::currentHandSeed, 0};
    SettingsStore& settings_;
    StatsStore& statsStore_;
    bool computesAdviceSynchronously_ = false;
    Observed<std::optional<PreAction>> preAction_{observers_, Property::preAction, std::nullopt};

    std::shared_ptr<AdviceScheduler> scheduler_;
    Clock clock_;
    // The human's net result fixed when the last hand ended, so a later rebuy cannot change the report.
    std::optional<std::int64_t> lastHandNet_;
    // The advice stream's state before the fork of the current decision key, so a snapshot taken during the
    // human's decision resumes with the very same advice.
    std::uint32_t adviceForkState_ = 0;
    // Counts advice requests; a background result publishes only for the latest one of the running game.
    std::uint64_t adviceRequest_ = 0;
    // Background publish steps hold a weak reference: once the session is gone they do nothing.
    std::shared_ptr<Liveness> liveness_ = std::make_shared<Liveness>();
};

}  // namespace pellox
