#pragma once
// Advice, reports and summaries as the guide's cards show them in tests and the gallery.
#include <QWidget>
#include <string>
#include <vector>

#include "rules/Winner.hpp"
#include "session/SessionSummary.hpp"
#include "strategy/GradedDecision.hpp"
#include "strategy/StrategyAdvice.hpp"
#include "view/HandReport.hpp"

namespace pellox::app::fixtures {

// QWidget::render() leaves out widgets that carry a graphics effect (the hover highlight), though the screen
// shows them; gallery shots take the effects off first.
inline void withoutHoverEffects(QWidget& root) {
    for (QWidget* child : root.findChildren<QWidget*>()) {
        if (child->graphicsEffect()) child->setGraphicsEffect(nullptr);
    }
}

inline StrategyAdvice preflopAdvice() {
    StrategyAdvice a;
    a.recommendedAction = PlayerActionType::raise;
    a.recommendedAmount = 30;
    a.headline = "AQs: RAISE";
    a.chartReason = "AQs is in the button's opening range: raise to take the initiative.";
    a.explanation = *a.chartReason + " Chen Formula strength: Strong.";
    a.preflopStrengthTier = PreflopTier::strong;
    return a;
}

inline StrategyAdvice facingBetAdvice() {
    StrategyAdvice a;
    a.recommendedAction = PlayerActionType::fold;
    a.headline = "Flush Draw: FOLD";
    a.explanation = "~24% equity is below the 33% the pot odds require, so calling loses money over time.";
    a.equity = 0.24;
    a.requiredEquity = 1.0 / 3.0;
    a.opponentReads = {"Maniac Mo raised preflop: a wide, aggressive range",
                       "Solid Sam called the flop: pairs and draws"};
    return a;
}

inline StrategyAdvice valueBetAdvice() {
    StrategyAdvice a;
    a.recommendedAction = PlayerActionType::bet;
    a.recommendedAmount = 65;
    a.headline = "Two Pair: BET for value";
    a.explanation = "~75% equity against 1 opponent beats the 60% needed to bet for value, so build the pot.";
    a.equity = 0.75;
    return a;
}

inline GradedDecision decision(Street street, PlayerActionType did, PlayerActionType advised, bool agreed,
                               std::string explanation = "The guide's reason.") {
    GradedDecision d;
    d.street = street;
    d.resolvedType = did;
    d.advisedAction = advised;
    d.agreed = agreed;
    d.explanation = std::move(explanation);
    return d;
}

inline HandReport report(std::vector<GradedDecision> decisions, std::int64_t net,
                         std::vector<Winner> winners) {
    return HandReport(std::move(decisions), net, winners, [](std::string_view id) {
        return id == "bot-1" ? std::string("Maniac Mo") : std::string(id);
    });
}

inline HandReport mixedReport() {
    return report({decision(Street::preflop, PlayerActionType::call, PlayerActionType::call, true),
                   decision(Street::flop, PlayerActionType::check, PlayerActionType::bet, true),
                   decision(Street::turn, PlayerActionType::call, PlayerActionType::raise, false,
                            "~68% equity clears the 25% the pot odds demand with room to spare, so raise to "
                            "charge worse hands and draws.")},
                  -120, {Winner{"bot-1", 460, "a Flush, Ace high"}});
}

inline HandReport cleanWin() {
    return report({decision(Street::preflop, PlayerActionType::raise, PlayerActionType::raise, true)}, 85,
                  {Winner{"human", 145, std::string(Winner::opponentsFoldedDescription)}});
}

inline SessionSummary summary(std::int64_t hands, std::int64_t net, std::int64_t graded,
                              std::int64_t agreed) {
    SessionSummary s;
    s.handsPlayed = hands;
    s.netChips = net;
    s.decisionsGraded = graded;
    s.decisionsAgreed = agreed;
    return s;
}

}  // namespace pellox::app::fixtures
