#include "view/EventText.hpp"

namespace pellox {

std::string streetTitle(const std::map<Street, std::string>& titles, Street street) {
    const auto title = titles.find(street);
    return title != titles.end() ? title->second : std::string(rawValue(street));
}

std::string cardsText(const std::vector<Card>& cards) {
    std::string text;
    for (const Card& card : cards) {
        if (!text.empty()) text += ' ';
        text += symbolText(card);
    }
    return text;
}

std::string uncalledBetText(std::string_view amount, std::string_view name) {
    return "Uncalled " + std::string(amount) + " returned to " + std::string(name);
}

}  // namespace pellox
