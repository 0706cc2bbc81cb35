#include "strategy/HandClass.hpp"

#include "strategy/HandRange.hpp"

namespace pellox {

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

}  // namespace pellox
