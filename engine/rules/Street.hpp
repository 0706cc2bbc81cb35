#pragma once
#include <cstddef>

#include "rules/RawEnum.hpp"

namespace pellox {

enum class Street { preflop, flop, turn, river, showdown };

template <>
struct EnumCases<Street> {
    static constexpr std::array cases{std::pair{Street::preflop, std::string_view{"preflop"}},
                                      std::pair{Street::flop, std::string_view{"flop"}},
                                      std::pair{Street::turn, std::string_view{"turn"}},
                                      std::pair{Street::river, std::string_view{"river"}},
                                      std::pair{Street::showdown, std::string_view{"showdown"}}};
};

// Community cards on the table once a street has been dealt.
constexpr std::size_t boardSize(Street street) noexcept {
    switch (street) {
        case Street::preflop:
            return 0;
        case Street::flop:
            return 3;
        case Street::turn:
            return 4;
        case Street::river:
        case Street::showdown:
            return 5;
    }
    return 5;
}

}  // namespace pellox
