#pragma once
// Cards written as text in tests: "As Td 2c".
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "rules/Card.hpp"

namespace pellox::test {

inline Card card(std::string_view text) {
    for (int i = 0; i < 52; ++i)
        if (Card::fromIndex(i).description() == text) return Card::fromIndex(i);
    ADD_FAILURE() << "no card " << text;
    return {};
}

inline std::vector<Card> cards(std::string_view text) {
    std::vector<Card> out;
    std::istringstream words{std::string(text)};
    for (std::string word; words >> word;)
        out.push_back(card(word));
    return out;
}

}  // namespace pellox::test
