#include "view/ActionLogStreet.hpp"

#include <algorithm>

namespace pellox {

const std::map<Street, std::string>& ActionLogStreet::streetTitles() {
    static const std::map<Street, std::string> titles{{Street::preflop, "Preflop"},
                                                      {Street::flop, "Flop"},
                                                      {Street::turn, "Turn"},
                                                      {Street::river, "River"},
                                                      {Street::showdown, "Showdown"}};
    return titles;
}

std::optional<std::string> ActionLogStreet::flattenedTexts(const std::vector<ActionLogStreet>& streets,
                                                           std::int64_t limit) {
    const std::int64_t total = totalEntryCount(streets);
    const std::int64_t skip = total - std::clamp<std::int64_t>(limit, 0, total);
    std::optional<std::string> text;
    std::int64_t seen = 0;
    for (const auto& street : streets)
        for (const auto& entry : street.entries) {
            if (seen++ < skip) continue;
            text = text ? *text + " \u2022 " + entry.text : entry.text;
        }
    return text;
}

std::int64_t ActionLogStreet::totalEntryCount(const std::vector<ActionLogStreet>& streets) {
    std::int64_t count = 0;
    for (const auto& street : streets)
        count += static_cast<std::int64_t>(street.entries.size());
    return count;
}

std::vector<ActionLogStreet> ActionLogStreet::revealedUpTo(const std::vector<ActionLogStreet>& streets,
                                                           std::int64_t revealedBoardCount) {
    std::vector<ActionLogStreet> shown;
    std::int64_t dealt = 0;
    for (const auto& street : streets) {
        dealt += static_cast<std::int64_t>(street.cards.size());
        if (dealt > revealedBoardCount) break;
        shown.push_back(street);
    }
    return shown;
}

}  // namespace pellox
