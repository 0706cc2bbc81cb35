#pragma once
#include <optional>

#include "rules/RawEnum.hpp"
#include "rules/Street.hpp"

namespace pellox {

// The four betting streets; showdown has no key.
enum class StreetKey { preflop, flop, turn, river };

template <>
struct EnumCases<StreetKey> {
    static constexpr std::array cases{std::pair{StreetKey::preflop, std::string_view{"preflop"}},
                                      std::pair{StreetKey::flop, std::string_view{"flop"}},
                                      std::pair{StreetKey::turn, std::string_view{"turn"}},
                                      std::pair{StreetKey::river, std::string_view{"river"}}};
};

constexpr std::optional<StreetKey> streetKey(Street street) noexcept {
    switch (street) {
        case Street::preflop:
            return StreetKey::preflop;
        case Street::flop:
            return StreetKey::flop;
        case Street::turn:
            return StreetKey::turn;
        case Street::river:
            return StreetKey::river;
        case Street::showdown:
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace pellox
