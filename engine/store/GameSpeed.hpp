#pragma once
#include "rules/RawEnum.hpp"

namespace pellox {

// The user's game speed; its multiplier scales every pacing delay and animation time of the table.
enum class GameSpeed { relaxed, normal, fast };

template <>
struct EnumCases<GameSpeed> {
    static constexpr std::array cases{std::pair{GameSpeed::relaxed, std::string_view{"relaxed"}},
                                      std::pair{GameSpeed::normal, std::string_view{"normal"}},
                                      std::pair{GameSpeed::fast, std::string_view{"fast"}}};
};

constexpr double multiplier(GameSpeed speed) noexcept {
    switch (speed) {
        case GameSpeed::relaxed:
            return 1.5;
        case GameSpeed::normal:
            return 1.0;
        case GameSpeed::fast:
            return 0.55;
    }
    return 1.0;
}

}  // namespace pellox
