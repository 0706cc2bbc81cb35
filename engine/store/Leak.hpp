#pragma once
#include <cstdint>
#include <string>

#include "rules/RawEnum.hpp"

namespace pellox {

// A street or a position with enough graded decisions to judge, listed from the weakest.
struct Leak {
    enum class Kind { street, position };

    Kind kind = Kind::street;
    std::string key;  // the street's or the position's raw string
    double accuracy = 0;
    std::int64_t graded = 0;

    friend bool operator==(const Leak&, const Leak&) = default;
};

template <>
struct EnumCases<Leak::Kind> {
    static constexpr std::array cases{std::pair{Leak::Kind::street, std::string_view{"street"}},
                                      std::pair{Leak::Kind::position, std::string_view{"position"}}};
};

}  // namespace pellox

template <>
struct std::hash<pellox::Leak> {
    std::size_t operator()(const pellox::Leak& l) const noexcept {
        std::size_t h = std::hash<int>{}(static_cast<int>(l.kind));
        h = h * 31u ^ std::hash<std::string>{}(l.key);
        h = h * 31u ^ std::hash<double>{}(l.accuracy);
        return h * 31u ^ std::hash<std::int64_t>{}(l.graded);
    }
};
