#include "strategy/HandRange.hpp"

namespace pellox {

namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\n\r\v\f";
    auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string pairOf(std::size_t index) {
    return std::string(2, HandRange::rankCharacters[index]);
}

// "JJ-22" or "A5s-A4s": the run of classes from the first part down to the last.
std::vector<std::string> expandDash(std::string_view token, std::size_t dash) {
    std::string_view first = token.substr(0, dash);
    std::string_view last = token.substr(dash + 1);
    std::vector<std::string> out;
    if (first.empty() || last.empty() || last.find('-') != std::string_view::npos) return out;
    if (token.size() >= 2 && token[0] == token[1]) {
        auto i = HandRange::rankIndex(first[0]);
        auto j = HandRange::rankIndex(last[0]);
        if (!i || !j) return out;
        for (std::size_t k = *i; k <= *j; ++k)
            out.push_back(pairOf(k));
        return out;
    }
    if (first.size() < 3 || last.size() < 2) return out;
    auto i = HandRange::rankIndex(first[1]);
    auto j = HandRange::rankIndex(last[1]);
    if (!i || !j) return out;
    for (std::size_t k = *i; k <= *j; ++k)
        out.push_back(std::string{first[0], HandRange::rankCharacters[k], first[2]});
    return out;
}

// "99+" (the pair and every higher pair) or "ATs+" (the kicker up to just below the first rank).
std::vector<std::string> expandPlus(std::string_view rest) {
    std::vector<std::string> out;
    if (rest.size() == 2) {
        auto i = HandRange::rankIndex(rest[0]);
        if (!i) return out;
        for (std::size_t k = 0; k <= *i; ++k)
            out.push_back(pairOf(k));
        return out;
    }
    if (rest.size() < 3) return out;
    auto ia = HandRange::rankIndex(rest[0]);
    auto ib = HandRange::rankIndex(rest[1]);
    if (!ia || !ib || *ia >= *ib) return out;
    for (std::size_t k = *ib; k > *ia; --k)
        out.push_back(std::string{rest[0], HandRange::rankCharacters[k], rest[2]});
    return out;
}

}  // namespace

std::optional<std::size_t> HandRange::rankIndex(char rankCharacter) noexcept {
    auto index = rankCharacters.find(rankCharacter);
    if (index == std::string_view::npos) return std::nullopt;
    return index;
}

std::vector<std::string> HandRange::expand(std::string_view token) {
    if (token.empty()) return {};
    if (auto dash = token.find('-'); dash != std::string_view::npos) return expandDash(token, dash);
    if (token.back() == '+') return expandPlus(token.substr(0, token.size() - 1));
    return {std::string(token)};
}

HandClassSet HandRange::parse(std::string_view range) {
    HandClassSet classes;
    std::string_view rest = trimmed(range);
    while (!rest.empty()) {
        auto space = rest.find(' ');
        for (std::string& c : expand(rest.substr(0, space)))
            classes.insert(std::move(c));
        if (space == std::string_view::npos) break;
        rest.remove_prefix(space + 1);
    }
    return classes;
}

}  // namespace pellox
