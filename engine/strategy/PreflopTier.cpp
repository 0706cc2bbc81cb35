#include "strategy/PreflopTier.hpp"

#include "strategy/ChenFormula.hpp"

namespace pellox {

PreflopTier preflopTierForHand(const Card& first, const Card& second) {
    return preflopTier(chenScore(first, second));
}

}  // namespace pellox
