#include "rules/UncalledBet.hpp"

#include <algorithm>

#include "rules/Saturating.hpp"

namespace pellox {

namespace {

using Stake = UncalledBet::Stake;

// Stakes in the order their players first put chips in; amounts saturate, as a stored hand may be hostile.
class EventStakes {
  public:
    void add(std::string_view playerId, std::int64_t amount) {
        Stake& s = stake(playerId);
        s.contributed = saturatingAdd(s.contributed, amount);
    }
    void fold(std::string_view playerId) { stake(playerId).folded = true; }
    const std::vector<Stake>& all() const noexcept { return stakes_; }

  private:
    Stake& stake(std::string_view playerId) {
        const auto found = std::find_if(stakes_.begin(), stakes_.end(),
                                        [&](const Stake& s) { return s.playerId == playerId; });
        if (found != stakes_.end()) return *found;
        return stakes_.emplace_back(Stake{playerId, 0, false});
    }

    std::vector<Stake> stakes_;
};

}  // namespace

std::optional<UncalledBet> UncalledBet::fromStakes(std::span<const Stake> stakes) {
    const Stake* top = nullptr;
    std::int64_t others = 0;  // the highest contribution of anybody but the top
    for (const Stake& s : stakes) {
        if (top == nullptr || s.contributed > top->contributed) {
            if (top != nullptr) others = std::max(others, top->contributed);
            top = &s;
        } else {
            others = std::max(others, s.contributed);
        }
    }
    if (top == nullptr || top->folded || top->contributed <= others) return std::nullopt;
    return UncalledBet{std::string(top->playerId), saturatingSubtract(top->contributed, others)};
}

std::optional<UncalledBet> UncalledBet::of(const TableState& table) {
    if (table.isHandInProgress || !table.winners) return std::nullopt;
    std::vector<Stake> stakes;
    stakes.reserve(table.players.size());
    for (const Player& p : table.players)
        stakes.push_back({p.id, p.totalContribution, p.hasFolded});
    return fromStakes(stakes);
}

std::optional<UncalledBet> UncalledBet::of(std::span<const EngineEvent> events) {
    EventStakes stakes;
    bool settled = false;
    for (const EngineEvent& e : events) {
        if (const auto* blind = e.as<EngineEvent::BlindPosted>()) {
            stakes.add(blind->playerId, blind->amount);
        } else if (const auto* action = e.as<EngineEvent::ActionTaken>()) {
            stakes.add(action->playerId, action->amountPutIn);
            if (action->resolvedType == PlayerActionType::fold) stakes.fold(action->playerId);
        } else if (e.is<EngineEvent::PotAwarded>()) {
            settled = true;
        }
    }
    return settled ? fromStakes(stakes.all()) : std::nullopt;
}

std::optional<UncalledBet::Award> UncalledBet::award(std::span<const EngineEvent> events) {
    const auto bet = of(events);
    if (!bet) return std::nullopt;
    for (std::size_t i = events.size(); i-- > 0;) {
        const auto* award = events[i].as<EngineEvent::PotAwarded>();
        if (award == nullptr) continue;
        // The engine hands the bet back last: alone after a showdown, inside the whole pot when everybody
        // folded. An award too small to hold it is no return of this bet.
        if (award->playerId != bet->playerId || award->amount < bet->amount) return std::nullopt;
        return Award{i, bet->amount, award->amount - bet->amount};
    }
    return std::nullopt;
}

std::vector<Winner> UncalledBet::winnersAsWon(const std::vector<Winner>& winners,
                                              const std::optional<UncalledBet>& bet) {
    std::vector<Winner> won;
    won.reserve(winners.size());
    for (const Winner& w : winners) {
        if (bet && w.playerId == bet->playerId) {
            const std::int64_t left = saturatingSubtract(w.amount, bet->amount);
            if (left > 0) won.push_back(Winner{w.playerId, left, w.handDescription});
            continue;
        }
        won.push_back(w);
    }
    return won;
}

std::vector<Winner> UncalledBet::winnersAsWon(const TableState& table) {
    if (!table.winners) return {};
    return winnersAsWon(*table.winners, of(table));
}

}  // namespace pellox
