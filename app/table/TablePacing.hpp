#pragma once
// The table screen's decisions about its own pace: how much of the board it shows, what the game does next
// and after which delay, the animation times it hands to the felt, when its sounds play. It reads the
// session and the settings and keeps only the screen's view state; the game changes only through the
// session operations the screen calls.
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <vector>

#include "table/HandKey.hpp"
#include "view/AnimationTimings.hpp"
#include "view/PacingStep.hpp"
#include "view/PacingTimings.hpp"

namespace pellox {
class GameSession;
class SettingsStore;
enum class Street;
}  // namespace pellox

namespace pellox::app {

// What the side panel's action area holds: the first that applies.
enum class ActionArea { actionBar, nextHand, preActions, empty };

class TablePacing {
  public:
    // What a press of Space (or the Next Hand button, or a tap on the felt) asks of the screen.
    enum class Skip { revealedBoard, startHand, endShown, nothing };
    // The sounds the watchers call for; the screen's player plays them.
    enum class Sound { deal, chip, win };

    // The values whose change starts a new pacing run. The hand carries the game on screen, so a new game
    // always starts a new run.
    struct PacingKey {
        HandKey hand;
        std::optional<Street> street;
        std::int64_t currentToActSeatIndex = -1;
        std::int64_t currentBet = 0;
        std::size_t actionQueueLength = 0;
        bool isHandInProgress = false;
        std::int64_t revealedBoardCount = 0;
        bool tournamentOver = false;
        bool humanBustedInCash = false;
        bool showingSummary = false;
        bool endShown = false;

        friend bool operator==(const PacingKey&, const PacingKey&) = default;
        // For diagnostics: the values joined by ":" ("-" for no street), then "#" and the game.
        friend std::ostream& operator<<(std::ostream& out, const PacingKey& key);
    };

    // The values whose change runs the result sound's watcher again.
    struct ResultSoundKey {
        HandKey hand;
        bool isHandInProgress = false;
        std::int64_t revealedBoardCount = 0;
        std::int64_t boardLength = 0;

        friend bool operator==(const ResultSoundKey&, const ResultSoundKey&) = default;
    };

    TablePacing(const GameSession& session, const SettingsStore& settings, bool frozen, bool reduceMotion);

    bool frozen() const noexcept { return frozen_; }
    bool reduceMotion() const noexcept { return reduceMotion_; }
    bool showingSummary() const noexcept { return showingSummary_; }
    void setShowingSummary(bool showing) noexcept { showingSummary_ = showing; }

    // Must see every change of the session's table as it happens, so a new game is told from a new hand.
    void observeTable();
    std::uint64_t game() const noexcept { return generation_.game(); }
    // The game on screen and the table's hand number (0 without a table).
    HandKey handKey() const;

    double speedFactor() const;
    std::int64_t revealedBoardCount() const;
    bool reportShown() const;
    PacingTimings pacingTimings(double jitter) const;
    PacingInput pacingInput() const;
    PacingStep pacingStep(double jitter) const;
    PacingKey pacingKey() const;

    void revealOneMoreCard();
    // Reveals the whole board at once when part of it is hidden; says when the next hand should start, or
    // when the game's end was let in instead.
    Skip advanceOrRevealAll();
    // The hand is over and shown whole, and its pause has run (or was skipped). True when the next hand
    // should start; when the game has ended the end overlays are let in instead.
    bool finishHand();

    // The human is broke in a cash game or the tournament is over. The hand that led there plays out on
    // the felt first (board, showdown, banner, its pause), and only then do the overlays that stop play come.
    bool gameOver() const;
    bool endShown() const;

    bool isFirstActionOfHand() const;
    std::int64_t dealtCardCount() const;
    // The advance's own delay, plus the time the felt needs to deal the hole cards before the first bot acts.
    double delayBefore(const PacingStep::Advance& advance) const;
    AnimationTimings animationTimings() const;

    bool showsPreActions() const;
    // `landedBoard`: the board's first cards the felt shows at rest. The bar waits for the street's cards.
    ActionArea actionArea(std::int64_t landedBoard) const;
    bool motionless() const noexcept { return reduceMotion_ || frozen_; }

    ResultSoundKey resultSoundKey() const;
    // Runs the deal, chip and result watchers against the current state (the first call is their initial
    // run) and returns the sounds due, in that order.
    std::vector<Sound> soundsDue();

  private:
    std::int64_t boardLength() const;
    std::optional<Sound> dealSoundDue(const HandKey& key);
    std::optional<Sound> chipSoundDue();
    std::optional<Sound> resultSoundDue(const HandKey& key);

    const GameSession& session_;
    const SettingsStore& settings_;
    bool frozen_;
    bool reduceMotion_;
    bool showingSummary_ = false;
    GameGeneration generation_;

    HandKey reveal_;
    std::int64_t revealCount_ = 0;
    std::optional<HandKey> endShownAfter_;

    std::optional<HandKey> watchedHand_;
    std::optional<std::int64_t> watchedPot_;
    std::optional<ResultSoundKey> watchedResult_;
    std::int64_t soundedPot_ = 0;
    HandKey soundedResultHand_;
};

}  // namespace pellox::app
