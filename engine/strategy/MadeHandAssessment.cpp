#include "strategy/MadeHandAssessment.hpp"

#include <algorithm>
#include <vector>

#include "rules/Street.hpp"
#include "strategy/DrawOdds.hpp"
#include "strategy/StraightDrawInfo.hpp"

namespace pellox {

namespace {

std::vector<Card> joined(std::span<const Card> hole, std::span<const Card> board) {
    std::vector<Card> cards(hole.begin(), hole.end());
    cards.insert(cards.end(), board.begin(), board.end());
    return cards;
}

std::int64_t highestRank(std::span<const Card> board) {
    std::int64_t top = 0;
    for (const Card& c : board)
        top = std::max<std::int64_t>(top, value(c.rank));
    return top;
}

bool isPocketPair(std::span<const Card> hole) {
    return hole.size() == 2 && hole[0].rank == hole[1].rank;
}

std::string pairLabel(std::span<const Card> hole, std::span<const Card> board, std::int64_t pairRank) {
    std::int64_t top = highestRank(board);
    if (isPocketPair(hole) && pairRank > top)
        return "Overpair (" + MadeHandAssessment::rankName(pairRank) + "s)";
    if (pairRank == top) return "Top Pair (" + MadeHandAssessment::rankName(top) + ")";
    return "Pair (" + MadeHandAssessment::rankName(pairRank) + ")";
}

// A draw is named only while a card is to come: on the river four to a flush is just a high card.
std::string highCardLabel(std::span<const Card> hole, std::span<const Card> cards, bool cardsToCome) {
    if (cardsToCome && flushDrawOuts(cards) != 0) return "Flush Draw";
    switch (cardsToCome ? StraightDrawInfo::evaluate(cards).kind : StraightDrawInfo::Kind::none) {
        case StraightDrawInfo::Kind::gutshot:
            return "Gutshot Draw";
        case StraightDrawInfo::Kind::openEnded:
            return "OESD Straight Draw";
        case StraightDrawInfo::Kind::none:
            break;
    }
    std::int64_t higher = std::max(value(hole[0].rank), value(hole[1].rank));
    return "High Card (" + MadeHandAssessment::rankName(higher) + ")";
}

}  // namespace

const std::set<HandCategory>& MadeHandAssessment::monsterCategories() {
    static const std::set<HandCategory> categories{HandCategory::trips, HandCategory::straight,
                                                   HandCategory::flush, HandCategory::fullHouse,
                                                   HandCategory::quads, HandCategory::straightFlush};
    return categories;
}

const std::map<std::int64_t, std::string>& MadeHandAssessment::rankNames() {
    static const std::map<std::int64_t, std::string> names = [] {
        std::map<std::int64_t, std::string> out{{14, "A"}, {13, "K"}, {12, "Q"}, {11, "J"}, {10, "10"}};
        for (std::int64_t r = 2; r <= 9; ++r)
            out[r] = std::to_string(r);
        return out;
    }();
    return names;
}

std::string MadeHandAssessment::rankName(std::int64_t rank) {
    auto found = rankNames().find(rank);
    return found == rankNames().end() ? std::string() : found->second;
}

MadeHandAssessment MadeHandAssessment::assess(std::span<const Card> hole, std::span<const Card> board) {
    std::vector<Card> cards = joined(hole, board);
    if (cards.size() < 5) return {HandCategory::highCard, MadeHandTier::air};
    HandRankResult best = HandEvaluator::evaluate(cards);
    if (monsterCategories().contains(best.category)) return {best.category, MadeHandTier::monster};
    switch (best.category) {
        case HandCategory::twoPair:
            return {best.category, MadeHandTier::strong};
        case HandCategory::pair:
            break;
        default:
            return {best.category, MadeHandTier::air};
    }
    std::int64_t top = highestRank(board);
    std::int64_t pairRank = best.tiebreakers.front();
    bool strong = isPocketPair(hole) ? value(hole[0].rank) > top : pairRank == top;
    return {best.category, strong ? MadeHandTier::strong : MadeHandTier::medium};
}

std::optional<std::string> MadeHandAssessment::label(std::span<const Card> hole,
                                                     std::span<const Card> board) {
    if (hole.size() != 2 || board.size() < 3) return std::nullopt;
    std::vector<Card> cards = joined(hole, board);
    HandRankResult best = HandEvaluator::evaluate(cards);
    switch (best.category) {
        case HandCategory::straightFlush:
            return "Straight Flush";
        case HandCategory::quads:
            return "Quads";
        case HandCategory::fullHouse:
            return "Full House";
        case HandCategory::flush:
            return "Flush";
        case HandCategory::straight:
            return "Straight";
        case HandCategory::trips:
            return "Three of a Kind";
        case HandCategory::twoPair:
            return "Two Pair (" + rankName(best.tiebreakers[0]) + "s & " + rankName(best.tiebreakers[1]) +
                   "s)";
        case HandCategory::pair:
            return pairLabel(hole, board, best.tiebreakers.front());
        case HandCategory::highCard:
            return highCardLabel(hole, cards, board.size() < boardSize(Street::river));
    }
    return std::nullopt;
}

}  // namespace pellox
