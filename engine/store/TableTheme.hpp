#pragma once
#include "rules/RawEnum.hpp"

namespace pellox {

// Chooses the palette of the same name.
enum class TableTheme { cardRoom, clubGreen, midnight, oxblood };

template <>
struct EnumCases<TableTheme> {
    static constexpr std::array cases{std::pair{TableTheme::cardRoom, std::string_view{"card-room"}},
                                      std::pair{TableTheme::clubGreen, std::string_view{"club-green"}},
                                      std::pair{TableTheme::midnight, std::string_view{"midnight"}},
                                      std::pair{TableTheme::oxblood, std::string_view{"oxblood"}}};
};

}  // namespace pellox
