#include "session/EventText.hpp"

#include "session/HandRecord.hpp"

namespace pellox {

std::string cardsText(const std::vector<Card>& cards) {
    std::string text;
    for (const Card& card : cards) {
        if (!text.empty()) text += ' ';
        text += symbolText(card);
    }
    return text;
}

}  // namespace pellox
