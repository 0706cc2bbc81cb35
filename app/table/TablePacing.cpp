#include "table/TablePacing.hpp"

#include <algorithm>
#include <ostream>

#include <fmt/format.h>

#include "rules/TableState.hpp"
#include "rules/UncalledBet.hpp"
#include "session/GameSession.hpp"
#include "store/SettingsStore.hpp"
#include "table/TableViewModel.hpp"

namespace pellox::app {

namespace {

const char* flag(bool value) {
    return value ? "true" : "false";
}

std::int64_t handNumberOf(const GameSession& session) {
    return session.table() ? session.table()->handNumber : 0;
}

}  // namespace

TablePacing::TablePacing(const GameSession& session, const SettingsStore& settings, bool frozen,
                         bool reduceMotion)
    : session_(session),
      settings_(settings),
      frozen_(frozen),
      reduceMotion_(reduceMotion),
      generation_(handNumberOf(session)) {}

void TablePacing::observeTable() {
    generation_.observe(handNumberOf(session_));
}

HandKey TablePacing::handKey() const {
    return generation_.key(handNumberOf(session_));
}

double TablePacing::speedFactor() const {
    return multiplier(settings_.gameSpeed.get());
}

std::int64_t TablePacing::boardLength() const {
    return session_.table() ? static_cast<std::int64_t>(session_.table()->board.size()) : 0;
}

std::int64_t TablePacing::revealedBoardCount() const {
    if (frozen_) return boardLength();
    if (reveal_ != handKey()) return 0;
    return std::min(boardLength(), revealCount_);
}

bool TablePacing::reportShown() const {
    return revealedBoardCount() >= boardLength() && session_.handReport().has_value();
}

PacingTimings TablePacing::pacingTimings(double jitter) const {
    return PacingTimings(reduceMotion_, reportShown(), speedFactor(), jitter);
}

PacingInput TablePacing::pacingInput() const {
    const auto& table = session_.table();
    PacingInput in;
    in.hasTable = table.has_value();
    in.isHandInProgress = table && table->isHandInProgress;
    in.boardLength = boardLength();
    in.revealedBoardCount = revealedBoardCount();
    const Player* acting = table ? table->currentPlayer() : nullptr;
    in.actingIsBot = acting && acting->isBot;
    in.actingIsHuman = session_.isHumanTurn();
    in.blocked = endShown() || showingSummary_ || frozen_;
    return in;
}

PacingStep TablePacing::pacingStep(double jitter) const {
    return PacingStep::next(pacingInput(), pacingTimings(jitter));
}

TablePacing::PacingKey TablePacing::pacingKey() const {
    const auto& table = session_.table();
    PacingKey key;
    key.hand = handKey();
    key.revealedBoardCount = revealedBoardCount();
    key.tournamentOver = session_.tournamentOver();
    key.humanBustedInCash = session_.humanBustedInCash();
    key.showingSummary = showingSummary_;
    key.endShown = endShown();
    if (!table) return key;
    key.street = table->street;
    key.currentToActSeatIndex = table->currentToActSeatIndex.value_or(-1);
    key.currentBet = table->currentBet;
    key.actionQueueLength = table->actionQueue.size();
    key.isHandInProgress = table->isHandInProgress;
    return key;
}

std::ostream& operator<<(std::ostream& out, const TablePacing::PacingKey& key) {
    return out << fmt::format("{}:{}:{}:{}:{}:{}:{}:{}:{}:{}:{}#{}", key.hand.hand,
                              key.street ? rawValue(*key.street) : std::string_view{"-"},
                              key.currentToActSeatIndex, key.currentBet, key.actionQueueLength,
                              flag(key.isHandInProgress), key.revealedBoardCount, flag(key.tournamentOver),
                              flag(key.humanBustedInCash), flag(key.showingSummary), flag(key.endShown),
                              key.hand.game);
}

void TablePacing::revealOneMoreCard() {
    const std::int64_t next = revealedBoardCount() + 1;
    reveal_ = handKey();
    revealCount_ = next;
}

TablePacing::Skip TablePacing::advanceOrRevealAll() {
    if (revealedBoardCount() < boardLength()) {
        reveal_ = handKey();
        revealCount_ = boardLength();
        return Skip::revealedBoard;
    }
    // The phase needs no delays, so any jitter does.
    if (pacingStep(0).phase != PacingPhase::handOver) return Skip::nothing;
    return finishHand() ? Skip::startHand : Skip::endShown;
}

bool TablePacing::finishHand() {
    if (!gameOver()) return true;
    endShownAfter_ = handKey();
    return false;
}

bool TablePacing::gameOver() const {
    return session_.tournamentOver() || session_.humanBustedInCash();
}

bool TablePacing::endShown() const {
    return gameOver() && (frozen_ || endShownAfter_ == handKey());
}

bool TablePacing::isFirstActionOfHand() const {
    const auto& table = session_.table();
    if (!table || table->street != Street::preflop || !table->board.empty()) return false;
    return std::all_of(table->players.begin(), table->players.end(), [](const Player& p) {
        return !p.lastAction || p.lastAction->type == LastActionType::postBlind;
    });
}

std::int64_t TablePacing::dealtCardCount() const {
    const auto& table = session_.table();
    if (!table) return 0;
    return 2 * std::count_if(table->players.begin(), table->players.end(),
                             [](const Player& p) { return p.holeCards.size() == 2; });
}

double TablePacing::delayBefore(const PacingStep::Advance& advance) const {
    if (advance.action != PacingAction::playBotTurn || !isFirstActionOfHand()) return advance.after;
    return advance.after + animationTimings().dealDuration(dealtCardCount());
}

AnimationTimings TablePacing::animationTimings() const {
    return AnimationTimings(motionless(), speedFactor());
}

bool TablePacing::showsPreActions() const {
    const auto& table = session_.table();
    if (!table || !table->isHandInProgress || session_.isHumanTurn()) return false;
    const Player* human = table->player(GameSession::humanId);
    return human && human->holeCards.size() == 2 && !human->hasFolded && !human->isAllIn;
}

ActionArea TablePacing::actionArea(std::int64_t landedBoard) const {
    if (session_.humanLegalActions() && session_.isHumanTurn())
        return TableViewModel::streetLanded(session_.table(), revealedBoardCount(), landedBoard)
                   ? ActionArea::actionBar
                   : ActionArea::empty;
    if (pacingStep(0).phase == PacingPhase::handOver) return ActionArea::nextHand;
    if (showsPreActions()) return ActionArea::preActions;
    return ActionArea::empty;
}

TablePacing::ResultSoundKey TablePacing::resultSoundKey() const {
    const auto& table = session_.table();
    return {handKey(), table && table->isHandInProgress, revealedBoardCount(), boardLength()};
}

std::vector<TablePacing::Sound> TablePacing::soundsDue() {
    const HandKey key = handKey();
    std::vector<Sound> due;
    for (auto sound : {dealSoundDue(key), chipSoundDue(), resultSoundDue(key)})
        if (sound) due.push_back(*sound);
    return due;
}

std::optional<TablePacing::Sound> TablePacing::dealSoundDue(const HandKey& key) {
    if (watchedHand_ == key) return std::nullopt;
    watchedHand_ = key;
    if (key.hand >= 1) return Sound::deal;
    return std::nullopt;
}

std::optional<TablePacing::Sound> TablePacing::chipSoundDue() {
    const std::int64_t pot = session_.potTotal();
    if (watchedPot_ == pot) return std::nullopt;
    watchedPot_ = pot;
    const bool rising = pot > soundedPot_;
    soundedPot_ = pot;
    const auto& table = session_.table();
    if (rising && table && table->isHandInProgress) return Sound::chip;
    return std::nullopt;
}

std::optional<TablePacing::Sound> TablePacing::resultSoundDue(const HandKey& key) {
    const ResultSoundKey watched = resultSoundKey();
    if (watchedResult_ == watched) return std::nullopt;
    watchedResult_ = watched;
    const auto& table = session_.table();
    if (!table || table->isHandInProgress || !table->winners) return std::nullopt;
    if (revealedBoardCount() < boardLength() || soundedResultHand_ == key) return std::nullopt;
    soundedResultHand_ = key;
    // A bet handed back unmatched is no win to cheer.
    const auto won = UncalledBet::winnersAsWon(*table);
    const bool humanWon = std::any_of(won.begin(), won.end(),
                                      [](const Winner& w) { return w.playerId == GameSession::humanId; });
    return humanWon ? Sound::win : Sound::chip;
}

}  // namespace pellox::app
