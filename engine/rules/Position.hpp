#pragma once
#include <string_view>

#include "rules/RawEnum.hpp"

namespace pellox {

enum class Position { btn, sb, bb, utg, utg1, mp, mp1, hj, co };

template <>
struct EnumCases<Position> {
    static constexpr std::array cases{std::pair{Position::btn, std::string_view{"BTN"}},
                                      std::pair{Position::sb, std::string_view{"SB"}},
                                      std::pair{Position::bb, std::string_view{"BB"}},
                                      std::pair{Position::utg, std::string_view{"UTG"}},
                                      std::pair{Position::utg1, std::string_view{"UTG1"}},
                                      std::pair{Position::mp, std::string_view{"MP"}},
                                      std::pair{Position::mp1, std::string_view{"MP1"}},
                                      std::pair{Position::hj, std::string_view{"HJ"}},
                                      std::pair{Position::co, std::string_view{"CO"}}};
};

constexpr std::string_view displayName(Position p) noexcept {
    switch (p) {
        case Position::btn:
            return "Dealer";
        case Position::sb:
            return "Small Blind";
        case Position::bb:
            return "Big Blind";
        case Position::utg:
            return "Under the Gun";
        case Position::utg1:
            return "Under the Gun 2";
        case Position::mp:
            return "Middle Position";
        case Position::mp1:
            return "Middle Position 2";
        case Position::hj:
            return "Hijack";
        case Position::co:
            return "Cutoff";
    }
    return {};
}

}  // namespace pellox
