#pragma once
// Enumerations stored by raw string: one table per enum gives rawValue, parse and allCases; rules/Json.hpp
// adds the JSON form.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace pellox {

// Specialise with `static constexpr std::array cases{std::pair{E::a, std::string_view{"a"}}, ...};`
// listed in declaration order.
template <typename E>
struct EnumCases;

template <typename E>
concept RawEnum = requires {
    EnumCases<E>::cases;
};

template <RawEnum E>
constexpr std::string_view rawValue(E value) {
    for (const auto& [c, raw] : EnumCases<E>::cases)
        if (c == value) return raw;
    return {};
}

template <RawEnum E>
constexpr std::optional<E> parse(std::string_view raw) {
    for (const auto& [c, r] : EnumCases<E>::cases)
        if (r == raw) return c;
    return std::nullopt;
}

template <RawEnum E>
constexpr auto allCases() {
    std::array<E, EnumCases<E>::cases.size()> out{};
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = EnumCases<E>::cases[i].first;
    return out;
}

}  // namespace pellox
