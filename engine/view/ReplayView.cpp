#include "view/ReplayView.hpp"

#include <algorithm>
#include <set>
#include <string>

#include "rules/HumanPlayer.hpp"
#include "rules/Saturating.hpp"
#include "rules/UncalledBet.hpp"
#include "view/EventText.hpp"

namespace pellox {

namespace {

// The table as the events so far have left it.
struct ReplayState {
    std::map<std::string, std::int64_t> stacks;
    std::set<std::string> folded;
    std::map<std::string, std::vector<Card>> known;
    std::vector<Card> board;
    std::int64_t pot = 0;
    std::size_t humanActions = 0;
    std::optional<std::int64_t> gradeIndex;  // of the last event applied

    explicit ReplayState(const ReplayHand& hand) {
        for (const auto& seat : hand.seats)
            stacks[std::string(seat.id)] = seat.startingStack;
        const bool humanSeated =
            std::any_of(hand.seats.begin(), hand.seats.end(),
                        [](const ReplayHand::Seat& seat) { return seat.id == humanPlayerId; });
        if (humanSeated)
            known[std::string(humanPlayerId)].assign(hand.humanHoleCards.begin(), hand.humanHoleCards.end());
    }

    void apply(const EngineEvent& event, std::size_t gradeCount) {
        gradeIndex.reset();
        if (const auto* blind = event.as<EngineEvent::BlindPosted>()) {
            intoPot(blind->playerId, blind->amount);
        } else if (const auto* action = event.as<EngineEvent::ActionTaken>()) {
            intoPot(action->playerId, action->amountPutIn);
            if (action->resolvedType == PlayerActionType::fold) folded.insert(action->playerId);
            if (action->playerId == humanPlayerId) {
                if (humanActions < gradeCount) gradeIndex = static_cast<std::int64_t>(humanActions);
                ++humanActions;
            }
        } else if (const auto* street = event.as<EngineEvent::StreetDealt>()) {
            board.insert(board.end(), street->cards.begin(), street->cards.end());
        } else if (const auto* shown = event.as<EngineEvent::ShowdownRevealed>()) {
            known[shown->playerId] = shown->holeCards;
        } else if (const auto* award = event.as<EngineEvent::PotAwarded>()) {
            outOfPot(award->playerId, award->amount);
        }
    }

    void intoPot(const std::string& playerId, std::int64_t amount) {
        auto& stack = stacks[playerId];
        stack = saturatingSubtract(stack, amount);
        pot = saturatingAdd(pot, amount);
    }

    void outOfPot(const std::string& playerId, std::int64_t amount) {
        auto& stack = stacks[playerId];
        stack = saturatingAdd(stack, amount);
        pot = saturatingSubtract(pot, amount);
    }
};

std::string verb(const std::string& name, std::string_view you, std::string_view other) {
    return name + " " + std::string(name == humanPlayerName ? you : other);
}

struct Narrator {
    const PlayerNameSource& name;

    std::string operator()(const EngineEvent::HandStarted& e) const {
        return "Hand " + std::to_string(e.handNumber) + " begins";
    }
    std::string operator()(const EngineEvent::BlindPosted& e) const {
        return verb(name(e.playerId), "post", "posts") + " " + std::string(blindPhrase(e.kind)) + " (" +
               std::to_string(e.amount) + ")";
    }
    std::string operator()(const EngineEvent::HoleCardsDealt& e) const {
        return verb(name(e.playerId), "are", "is") + " dealt in";
    }
    std::string operator()(const EngineEvent::ActionTaken& e) const {
        const std::string n = name(e.playerId);
        const std::string amount = std::to_string(e.amountPutIn);
        switch (e.resolvedType) {
            case PlayerActionType::fold:
                return verb(n, "fold", "folds");
            case PlayerActionType::check:
                return verb(n, "check", "checks");
            case PlayerActionType::call:
                return verb(n, "call", "calls") + " " + amount;
            case PlayerActionType::bet:
                return verb(n, "bet", "bets") + " " + amount;
            case PlayerActionType::raise:
                return verb(n, "raise", "raises") + ", putting in " + amount;
            case PlayerActionType::allIn:
                return verb(n, "act", "acts");
        }
        return {};
    }
    std::string operator()(const EngineEvent::StreetDealt& e) const {
        return streetTitle(ReplayView::streetTitles(), e.street) + ": " + cardsText(e.cards);
    }
    std::string operator()(const EngineEvent::ShowdownRevealed& e) const {
        return verb(name(e.playerId), "show", "shows") + " " + cardsText(e.holeCards) + " (" +
               e.handDescription + ")";
    }
    std::string operator()(const EngineEvent::PotAwarded& e) const {
        return verb(name(e.playerId), "win", "wins") + " " + std::to_string(e.amount);
    }
    std::string operator()(const EngineEvent::PlayerEliminated& e) const {
        return verb(name(e.playerId), "are", "is") + " eliminated";
    }
};

// The caption of event `step`; the award that hands back a bet nobody matched tells the return apart from
// what it won.
std::string captionOf(const ReplayHand& hand, std::size_t step) {
    const EngineEvent& event = hand.events[step];
    const auto* award = event.as<EngineEvent::PotAwarded>();
    const auto uncalled = award != nullptr ? UncalledBet::award(hand.events) : std::nullopt;
    if (!uncalled || uncalled->index != step) return ReplayView::narration(event, hand.playerName);
    std::string returned = uncalledBetText(std::to_string(uncalled->returned), hand.playerName(award->playerId));
    if (uncalled->won == 0) return returned;
    const EngineEvent won(EngineEvent::PotAwarded{award->playerId, uncalled->won, award->potIndex});
    return ReplayView::narration(won, hand.playerName) + " \u00b7 " + returned;
}

}  // namespace

const std::map<Street, std::string>& ReplayView::streetTitles() {
    static const std::map<Street, std::string> titles{{Street::flop, "Flop"},
                                                      {Street::turn, "Turn"},
                                                      {Street::river, "River"},
                                                      {Street::showdown, "Showdown"}};
    return titles;
}

std::string ReplayView::narration(const EngineEvent& event, const PlayerNameSource& name) {
    return std::visit(Narrator{name}, event.value);
}

ReplayView::ReplayView(const ReplayHand& hand, std::int64_t requestedStep) {
    const auto& events = hand.events;
    totalSteps = static_cast<std::int64_t>(events.size());
    step = std::max<std::int64_t>(std::min(totalSteps - 1, requestedStep), 0);

    ReplayState state(hand);
    // An empty record shows the starting table: there is no event to apply or narrate.
    if (!events.empty()) {
        for (std::int64_t i = 0; i <= step; ++i)
            state.apply(events[static_cast<std::size_t>(i)], hand.gradeCount);
        caption = captionOf(hand, static_cast<std::size_t>(step));
        gradeIndex = state.gradeIndex;
    }

    for (const auto& seat : hand.seats) {
        const std::string id(seat.id);
        const auto stack = state.stacks.find(id);
        const auto cards = state.known.find(id);
        seats.push_back({id, std::string(seat.name), stack != state.stacks.end() ? stack->second : 0,
                         state.folded.count(id) > 0,
                         cards != state.known.end() ? std::optional(cards->second) : std::nullopt,
                         seat.seatIndex == hand.dealerSeatIndex});
    }
    board = std::move(state.board);
    potSize = state.pot;
}

}  // namespace pellox
