#pragma once
// What the strategy overlay shows for one piece of advice, decided apart from any drawing.
#include <optional>
#include <string>

#include "theme/PaletteRole.hpp"

namespace pellox {
struct StrategyAdvice;
}

namespace pellox::app {

// The badge beside the headline: the Chen tier preflop, else +EV/-EV when the price is known.
struct AdviceBadge {
    std::optional<std::string> caption;
    std::string value;
    PaletteRole tint = PaletteRole::accent;

    friend bool operator==(const AdviceBadge&, const AdviceBadge&) = default;
};

struct EquityBarModel {
    double equity = 0;
    std::optional<double> requiredEquity;
    PaletteRole fill = PaletteRole::success;
    std::string equityText;                   // "Eq: 40%"
    std::optional<std::string> requiredText;  // "Req: 25%"

    friend bool operator==(const EquityBarModel&, const EquityBarModel&) = default;
};

struct StrategyOverlayModel {
    std::string headline;
    std::optional<AdviceBadge> badge;
    std::optional<EquityBarModel> equityBar;
    std::string reason;
    std::optional<std::string> readsLine;
    std::string accessibilitySummary;

    // None without advice: the card is then not drawn at all.
    static std::optional<StrategyOverlayModel> make(const std::optional<StrategyAdvice>& advice);

    friend bool operator==(const StrategyOverlayModel&, const StrategyOverlayModel&) = default;
};

std::optional<AdviceBadge> adviceBadge(const StrategyAdvice& advice);
// The card read aloud as one element.
std::string accessibilitySummary(const StrategyAdvice& advice);

}  // namespace pellox::app
