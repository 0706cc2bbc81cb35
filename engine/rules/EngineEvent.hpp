#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "rules/Card.hpp"
#include "rules/JsonFwd.hpp"
#include "rules/PlayerAction.hpp"
#include "rules/PlayerActionType.hpp"
#include "rules/Street.hpp"

namespace pellox {

// One thing that happened in an engine step. The cases keep their order: it is the case number.
struct EngineEvent {
    enum class BlindKind { small, big, ante };

    struct HandStarted {
        std::int64_t handNumber{0};
        std::int64_t dealerSeatIndex{0};
        friend bool operator==(const HandStarted&, const HandStarted&) = default;
    };
    // amount is the chips actually moved, less than nominal for a short stack.
    struct BlindPosted {
        std::string playerId;
        BlindKind kind{BlindKind::small};
        std::int64_t amount{0};
        friend bool operator==(const BlindPosted&, const BlindPosted&) = default;
    };
    struct HoleCardsDealt {
        std::string playerId;
        friend bool operator==(const HoleCardsDealt&, const HoleCardsDealt&) = default;
    };
    // action as submitted, resolvedType as applied, amountPutIn the chips that left the stack.
    struct ActionTaken {
        std::string playerId;
        PlayerAction action;
        PlayerActionType resolvedType{PlayerActionType::fold};
        std::int64_t amountPutIn{0};
        friend bool operator==(const ActionTaken&, const ActionTaken&) = default;
    };
    // Only the cards added to the board on that street.
    struct StreetDealt {
        Street street{Street::preflop};
        std::vector<Card> cards;
        friend bool operator==(const StreetDealt&, const StreetDealt&) = default;
    };
    struct ShowdownRevealed {
        std::string playerId;
        std::vector<Card> holeCards;
        std::string handDescription;
        friend bool operator==(const ShowdownRevealed&, const ShowdownRevealed&) = default;
    };
    struct PotAwarded {
        std::string playerId;
        std::int64_t amount{0};
        std::int64_t potIndex{0};
        friend bool operator==(const PotAwarded&, const PotAwarded&) = default;
    };
    struct PlayerEliminated {
        std::string playerId;
        friend bool operator==(const PlayerEliminated&, const PlayerEliminated&) = default;
    };

    using Value = std::variant<HandStarted, BlindPosted, HoleCardsDealt, ActionTaken, StreetDealt,
                               ShowdownRevealed, PotAwarded, PlayerEliminated>;

    // The case names, by case number; also the JSON member names.
    static constexpr std::array<std::string_view, 8> caseNames{
        "handStarted", "blindPosted",      "holeCardsDealt", "actionTaken",
        "streetDealt", "showdownRevealed", "potAwarded",     "playerEliminated"};

    template <typename T>
    static constexpr bool isCase = []<std::size_t... I>(std::index_sequence<I...>) {
        return (std::is_same_v<T, std::variant_alternative_t<I, Value>> || ...);
    }
    (std::make_index_sequence<std::variant_size_v<Value>>{});

    Value value;

    // A hand start of hand 0; defined after the class, where the cases are complete.
    EngineEvent();
    // Built from any one of the case structs; nothing else converts, so JSON values cannot slip in. Lists
    // build events in place (emplace_back): moving a converted temporary in makes GCC 12 at -O2 warn that
    // another case's fields may be uninitialised.
    template <typename Case>
    requires isCase<std::remove_cvref_t<Case>> EngineEvent(Case&& c) : value(std::forward<Case>(c)) {}

    std::size_t caseNumber() const noexcept { return value.index(); }
    std::string_view caseName() const noexcept { return caseNames[value.index()]; }

    template <typename Case>
    bool is() const noexcept {
        return std::holds_alternative<Case>(value);
    }
    // The payload when the event is that case, else null.
    template <typename Case>
    const Case* as() const noexcept {
        return std::get_if<Case>(&value);
    }

    friend bool operator==(const EngineEvent&, const EngineEvent&) = default;
};

inline EngineEvent::EngineEvent() : value(HandStarted{}) {}

using BlindKind = EngineEvent::BlindKind;

template <>
struct EnumCases<EngineEvent::BlindKind> {
    static constexpr std::array cases{std::pair{EngineEvent::BlindKind::small, std::string_view{"small"}},
                                      std::pair{EngineEvent::BlindKind::big, std::string_view{"big"}},
                                      std::pair{EngineEvent::BlindKind::ante, std::string_view{"ante"}}};
};

void to_json(Json& j, const EngineEvent& e);
void from_json(const Json& j, EngineEvent& e);

}  // namespace pellox
