#include "strategy/GradedDecision.hpp"

#include <algorithm>

#include "rules/Json.hpp"
#include "strategy/ActionClass.hpp"
#include "strategy/GradeInput.hpp"

namespace pellox {
namespace {

bool agrees(const GradeInput& input) {
    const ActionClass taken = actionClass(input.resolvedType);
    const ActionClass advised = actionClass(input.advice.recommendedAction);
    if (taken != ActionClass::aggressive || advised != ActionClass::aggressive) return taken == advised;
    if (!input.advice.recommendedAmount || !input.playerRaiseTo) return true;
    // An advised amount of 0 makes the ratio infinite (or undefined): never agreed.
    const double ratio =
        static_cast<double>(*input.playerRaiseTo) / static_cast<double>(*input.advice.recommendedAmount);
    return ratio >= 0.5 && ratio <= 2.0;
}

}  // namespace

GradedDecision GradedDecision::grade(const GradeInput& input) {
    return {input.handNumber,
            input.street,
            input.playerAction,
            input.resolvedType,
            input.advice.recommendedAction,
            input.advice.recommendedAmount,
            agrees(input),
            input.advice.equity,
            input.advice.requiredEquity,
            input.potSize,
            input.toCall,
            input.advice.explanation};
}

std::optional<double> handAccuracy(std::span<const GradedDecision> decisions) {
    if (decisions.empty()) return std::nullopt;
    const auto agreed =
        std::count_if(decisions.begin(), decisions.end(), [](const GradedDecision& d) { return d.agreed; });
    return static_cast<double>(agreed) / static_cast<double>(decisions.size());
}

void to_json(Json& j, const GradedDecision& d) {
    j = Json::object();
    j["handNumber"] = d.handNumber;
    j["street"] = d.street;
    j["playerAction"] = d.playerAction;
    j["resolvedType"] = d.resolvedType;
    j["advisedAction"] = d.advisedAction;
    json::writeOptional(j, "advisedAmount", d.advisedAmount);
    j["agreed"] = d.agreed;
    json::writeOptional(j, "equity", d.equity);
    json::writeOptional(j, "requiredEquity", d.requiredEquity);
    j["potSize"] = d.potSize;
    j["toCall"] = d.toCall;
    j["explanation"] = d.explanation;
}

void from_json(const Json& j, GradedDecision& d) {
    d.handNumber = json::read<std::int64_t>(j, "handNumber");
    d.street = json::read<Street>(j, "street");
    d.playerAction = json::read<PlayerAction>(j, "playerAction");
    d.resolvedType = json::read<PlayerActionType>(j, "resolvedType");
    d.advisedAction = json::read<PlayerActionType>(j, "advisedAction");
    d.advisedAmount = json::readOptional<std::int64_t>(j, "advisedAmount");
    d.agreed = json::read<bool>(j, "agreed");
    d.equity = json::readOptional<double>(j, "equity");
    d.requiredEquity = json::readOptional<double>(j, "requiredEquity");
    d.potSize = json::read<std::int64_t>(j, "potSize");
    d.toCall = json::read<std::int64_t>(j, "toCall");
    d.explanation = json::read<std::string>(j, "explanation");
}

}  // namespace pellox
