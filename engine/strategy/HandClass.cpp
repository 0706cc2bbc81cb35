#include "strategy/HandClass.hpp"

#include <algorithm>
#include <stdexcept>

#include "strategy/HandRange.hpp"

namespace pellox {

namespace {

constexpr int pairCombinations = 6;
constexpr int suitedCombinations = 4;
constexpr int offsuitCombinations = 12;

}  // namespace

std::string handClass(const Card& first, const Card& second) {
    const Card& high = value(first.rank) >= value(second.rank) ? first : second;
    const Card& low = &high == &first ? second : first;
    if (high.rank == low.rank) return std::string(2, symbolChar(high.rank));
    return std::string{symbolChar(high.rank), symbolChar(low.rank), high.suit == low.suit ? 's' : 'o'};
}

const std::vector<std::string>& allHandClasses() {
    static const std::vector<std::string> classes = [] {
        constexpr std::string_view ranks = HandRange::rankCharacters;
        std::vector<std::string> out;
        out.reserve(169);
        for (std::size_t i = 0; i < ranks.size(); ++i) {
            for (std::size_t j = i; j < ranks.size(); ++j) {
                if (i == j) {
                    out.push_back(std::string(2, ranks[i]));
                } else {
                    out.push_back(std::string{ranks[i], ranks[j], 's'});
                    out.push_back(std::string{ranks[i], ranks[j], 'o'});
                }
            }
        }
        return out;
    }();
    return classes;
}

std::string handClassAt(std::size_t row, std::size_t column) {
    constexpr std::string_view ranks = HandRange::rankCharacters;
    if (row >= ranks.size() || column >= ranks.size())
        throw std::out_of_range("a hand-class grid index runs from 0 to 12");
    if (row == column) return std::string(2, ranks[row]);
    return std::string{ranks[std::min(row, column)], ranks[std::max(row, column)], row < column ? 's' : 'o'};
}

int combinationCount(std::string_view handClass) {
    if (handClass.size() < 2 || handClass.size() > 3) return 0;
    const auto first = HandRange::rankIndex(handClass[0]);
    const auto second = HandRange::rankIndex(handClass[1]);
    if (!first || !second) return 0;
    const bool pair = *first == *second;
    if (handClass.size() == 2) return pair ? pairCombinations : 0;
    if (pair) return 0;
    if (handClass[2] == 's') return suitedCombinations;
    return handClass[2] == 'o' ? offsuitCombinations : 0;
}

}  // namespace pellox
