#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "rules/JsonFwd.hpp"
#include "rules/PlayerAction.hpp"
#include "rules/PlayerActionType.hpp"
#include "rules/Street.hpp"

namespace pellox {

struct GradeInput;

// One graded decision of the human: what was done, what the guide advised, and whether they agree.
struct GradedDecision {
    std::int64_t handNumber = 0;
    Street street = Street::preflop;
    PlayerAction playerAction;
    PlayerActionType resolvedType = PlayerActionType::fold;
    PlayerActionType advisedAction = PlayerActionType::fold;
    std::optional<std::int64_t> advisedAmount;
    bool agreed = false;
    std::optional<double> equity;
    std::optional<double> requiredEquity;
    std::int64_t potSize = 0;
    std::int64_t toCall = 0;
    std::string explanation;

    // Grades one decision: agreed when the action is of the advice's class (fold, passive, aggressive) and,
    // for two aggressive actions with amounts, between half and twice the advised amount. A static builder
    // rather than a constructor, so the type stays an aggregate.
    static GradedDecision grade(const GradeInput& input);

    friend bool operator==(const GradedDecision&, const GradedDecision&) = default;
};

// The share of a hand's graded decisions that agreed with the guide; none when nothing was graded.
std::optional<double> handAccuracy(std::span<const GradedDecision> decisions);

// Absent optional values are left out; a missing optional key reads as absent.
void to_json(Json& j, const GradedDecision& d);
void from_json(const Json& j, GradedDecision& d);

}  // namespace pellox
