#include "strategy/PreflopDecision.hpp"

#include <fmt/format.h>

#include "strategy/ChenFormula.hpp"
#include "strategy/HandClass.hpp"
#include "strategy/PositionBucket.hpp"
#include "strategy/PreflopChart.hpp"

namespace pellox {

namespace {

// By context (open, facing an open, facing a 3-bet), then action (raise, call, fold); {0} is the hand class,
// {1} the position's display name. The open charts hold no call range, so that cell is never reached; were it
// reached, the opening sentence is the closest truth.
constexpr std::array<std::array<std::string_view, 3>, 3> reasonTemplates{{
    {"{0} is in the opening range for {1}.", "{0} is in the opening range for {1}.",
     "{0} is below the opening range for {1}."},
    {"{0} is strong enough to re-raise (3-bet) against an open.",
     "{0} can profitably call a single raise from {1}.",
     "{0} isn't strong enough to continue facing a raise from {1}."},
    {"{0} is strong enough to 4-bet against a 3-bet.", "{0} can defend against a 3-bet, but only by calling.",
     "{0} should fold to this much aggression."},
}};

}  // namespace

PreflopDecision::PreflopDecision(const std::array<Card, 2>& hole, Position position,
                                 std::int64_t raisesBefore)
    : tier(preflopTier(chenScore(hole[0], hole[1]))), handLabel(handClass(hole[0], hole[1])) {
    PreflopContext context = preflopContext(raisesBefore);
    action = PreflopChart::action(handLabel, context, positionBucket(position));
    reason = explanation(handLabel, action, context, position);
}

std::string PreflopDecision::explanation(std::string_view handLabel, RangeAction action,
                                         PreflopContext context, Position position) {
    std::string_view text =
        reasonTemplates[static_cast<std::size_t>(context)][static_cast<std::size_t>(action)];
    return fmt::format(fmt::runtime(text), handLabel, displayName(position));
}

}  // namespace pellox
