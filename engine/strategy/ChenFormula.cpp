#include "strategy/ChenFormula.hpp"

#include <algorithm>
#include <cmath>

namespace pellox {

namespace {

double basePoints(Rank high) {
    switch (high) {
        case Rank::ace:
            return 10;
        case Rank::king:
            return 8;
        case Rank::queen:
            return 7;
        case Rank::jack:
            return 6;
        default:
            return value(high) / 2.0;
    }
}

double gapPenalty(int gap) {
    if (gap <= 0) return 0;
    if (gap == 1) return 1;
    if (gap == 2) return 2;
    if (gap == 3) return 4;
    return 5;
}

}  // namespace

double chenScore(const Card& first, const Card& second) {
    int high = std::max(value(first.rank), value(second.rank));
    int low = std::min(value(first.rank), value(second.rank));
    double score = basePoints(static_cast<Rank>(high));
    if (high == low) {
        score = std::max(2 * score, 5.0);
    } else {
        int gap = high - low - 1;
        if (first.suit == second.suit) score += 2;
        score -= gapPenalty(gap);
        if (high < value(Rank::queen) && gap <= 1) score += 1;
    }
    return std::ceil(2 * score) / 2;
}

}  // namespace pellox
