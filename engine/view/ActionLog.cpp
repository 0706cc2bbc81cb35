#include "view/ActionLog.hpp"

#include <map>
#include <optional>

#include <fmt/format.h>

#include "rules/HumanPlayer.hpp"
#include "rules/Saturating.hpp"
#include "rules/UncalledBet.hpp"
#include "view/EventText.hpp"

namespace pellox {

namespace {

std::string dollars(std::int64_t amount) {
    return fmt::format("${}", amount);
}

// Consecutive awards to one player share one line that shows their sum. The line is found by position:
// a street dealt between two awards does not interrupt the run, yet the line then no longer is the last.
struct PendingAward {
    std::string playerId;
    std::int64_t amount = 0;
    std::size_t street = 0;
    std::size_t entry = 0;
};

class Builder {
  public:
    Builder(const PlayerNameSource& name, std::optional<UncalledBet::Award> uncalledAward)
        : name_(name), uncalledAward_(uncalledAward) {
        streets_.push_back({"preflop", "Preflop", {}, {}});
    }

    void apply(const EngineEvent& event, std::int64_t index) {
        index_ = index;
        std::visit([this](const auto& e) { on(e); }, event.value);
    }

    std::vector<ActionLogStreet> finish() && {
        if (showdown_ && streets_.back().id == "result") {
            streets_.back().id = "showdown";
            streets_.back().label = "Showdown";
            streets_.back().cards.clear();
        }
        std::vector<ActionLogStreet> kept;
        for (auto& street : streets_)
            if (!street.entries.empty() || !street.cards.empty()) kept.push_back(std::move(street));
        return kept;
    }

  private:
    void on(const EngineEvent::HandStarted&) {}
    void on(const EngineEvent::HoleCardsDealt&) {}

    void on(const EngineEvent::BlindPosted& e) {
        auto& contribution = contributions_[e.playerId];
        contribution = saturatingAdd(contribution, e.amount);
        pending_.reset();
        addLine(e.playerId,
                name(e.playerId) + " posted " + std::string(blindPhrase(e.kind)) + " " + dollars(e.amount));
    }

    void on(const EngineEvent::ActionTaken& e) {
        auto& contribution = contributions_[e.playerId];
        const std::int64_t total = contribution = saturatingAdd(contribution, e.amountPutIn);
        pending_.reset();
        const std::string n = name(e.playerId);
        switch (e.resolvedType) {
            case PlayerActionType::fold:
                return addLine(e.playerId, n + " folded");
            case PlayerActionType::check:
                return addLine(e.playerId, n + " checked");
            case PlayerActionType::call:
                return addLine(e.playerId, n + " called " + dollars(e.amountPutIn));
            case PlayerActionType::bet:
                return addLine(e.playerId, n + " bet " + dollars(total));
            case PlayerActionType::raise:
                return addLine(e.playerId, n + " raised to " + dollars(total));
            case PlayerActionType::allIn:
                return addLine(e.playerId, n + " put in " + dollars(total));
        }
    }

    void on(const EngineEvent::StreetDealt& e) {
        streets_.push_back({std::string(rawValue(e.street)),
                            streetTitle(ActionLogStreet::streetTitles(), e.street),
                            e.cards,
                            {}});
        contributions_.clear();
    }

    void on(const EngineEvent::ShowdownRevealed& e) {
        openResult();
        pending_.reset();
        addLine(e.playerId,
                name(e.playerId) + " showed " + cardsText(e.holeCards) + " \u2014 " + e.handDescription);
        showdown_ = true;
    }

    void on(const EngineEvent::PotAwarded& e) {
        openResult();
        if (!uncalledAward_ || static_cast<std::int64_t>(uncalledAward_->index) != index_)
            return addWon(e.playerId, e.amount);
        // Handed back, not won: a line of its own after what the award won, which no award joins. When
        // the award also won chips, its event has a line already, so the return takes an id of its own.
        std::int64_t id = index_;
        if (uncalledAward_->won > 0) {
            addWon(e.playerId, uncalledAward_->won);
            id = -1 - index_;
        }
        pending_.reset();
        addLine(e.playerId, uncalledBetText(dollars(uncalledAward_->returned), name(e.playerId)), id);
    }

    void on(const EngineEvent::PlayerEliminated& e) {
        openResult();
        pending_.reset();
        addLine(e.playerId, name(e.playerId) + " was eliminated");
    }

    void addWon(const std::string& playerId, std::int64_t amount) {
        if (pending_ && pending_->playerId == playerId) {
            pending_->amount = saturatingAdd(pending_->amount, amount);
            streets_[pending_->street].entries[pending_->entry].text = wonText(playerId, pending_->amount);
            return;
        }
        addLine(playerId, wonText(playerId, amount));
        pending_ = PendingAward{playerId, amount, streets_.size() - 1, streets_.back().entries.size() - 1};
    }

    std::string wonText(const std::string& playerId, std::int64_t amount) {
        return name(playerId) + " won " + dollars(amount);
    }

    std::string name(const std::string& playerId) const { return name_(playerId); }

    void addLine(const std::string& playerId, std::string text) { addLine(playerId, std::move(text), index_); }
    void addLine(const std::string& playerId, std::string text, std::int64_t id) {
        streets_.back().entries.push_back({id, std::move(text), playerId == humanPlayerId});
    }

    void openResult() {
        if (resultOpen_) return;
        streets_.push_back({"result", "Result", {}, {}});
        resultOpen_ = true;
    }

    const PlayerNameSource& name_;
    std::optional<UncalledBet::Award> uncalledAward_;  // the award that hands back a bet nobody matched
    std::vector<ActionLogStreet> streets_;
    std::map<std::string, std::int64_t> contributions_;
    bool resultOpen_ = false;
    bool showdown_ = false;
    std::optional<PendingAward> pending_;
    std::int64_t index_ = 0;
};

}  // namespace

std::vector<ActionLogStreet> ActionLog::build(const std::vector<EngineEvent>& events,
                                              const PlayerNameSource& name) {
    Builder builder(name, UncalledBet::award(events));
    for (std::size_t i = 0; i < events.size(); ++i)
        builder.apply(events[i], static_cast<std::int64_t>(i));
    return std::move(builder).finish();
}

}  // namespace pellox
