#include "table/StrategyOverlayModel.hpp"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

#include "strategy/StrategyAdvice.hpp"
#include "strategy/StrategyAdvisor.hpp"

namespace pellox::app {

namespace {

using StrategyAdvisor::percentText;

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string out;
    for (const auto& part : parts) {
        if (!out.empty()) out += separator;
        out += part;
    }
    return out;
}

// Sentences joined with ". ", one full stop where a part already ends with its own.
std::string sentences(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& part : parts) {
        if (!out.empty()) out += out.back() == '.' ? " " : ". ";
        out += part;
    }
    return out;
}

std::string upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::toupper(c); });
    return out;
}

PaletteRole tierTint(PreflopTier tier) {
    switch (strength(tier)) {
        case PreflopTierStrength::good:
            return PaletteRole::success;
        case PreflopTierStrength::neutral:
            return PaletteRole::accent;
        case PreflopTierStrength::poor:
            return PaletteRole::danger;
    }
    return PaletteRole::accent;
}

const std::string& reasonOf(const StrategyAdvice& advice) {
    return advice.chartReason ? *advice.chartReason : advice.explanation;
}

std::optional<std::string> readsOf(const StrategyAdvice& advice) {
    if (advice.opponentReads.empty()) return std::nullopt;
    return "Read: " + joined(advice.opponentReads, "; ");
}

std::optional<EquityBarModel> equityBarOf(const StrategyAdvice& advice) {
    if (!advice.equity) return std::nullopt;
    EquityBarModel bar;
    bar.equity = *advice.equity;
    bar.requiredEquity = advice.requiredEquity;
    const bool shortOfPrice = advice.requiredEquity && *advice.equity < *advice.requiredEquity;
    bar.fill = shortOfPrice ? PaletteRole::danger : PaletteRole::success;
    bar.equityText = "Eq: " + percentText(*advice.equity);
    if (advice.requiredEquity) bar.requiredText = "Req: " + percentText(*advice.requiredEquity);
    return bar;
}

}  // namespace

std::optional<AdviceBadge> adviceBadge(const StrategyAdvice& advice) {
    if (advice.preflopStrengthTier) {
        const PreflopTier tier = *advice.preflopStrengthTier;
        return AdviceBadge{"CHEN FORMULA", upper(displayName(tier)), tierTint(tier)};
    }
    if (advice.equity && advice.requiredEquity) {
        const bool negative = *advice.requiredEquity > *advice.equity;
        return AdviceBadge{std::nullopt, negative ? "-EV" : "+EV",
                           negative ? PaletteRole::danger : PaletteRole::success};
    }
    return std::nullopt;
}

std::string accessibilitySummary(const StrategyAdvice& advice) {
    std::vector<std::string> parts;
    std::string headline = advice.headline;
    std::replace(headline.begin(), headline.end(), ':', ',');
    parts.push_back(std::move(headline));
    if (advice.equity) {
        std::string equity = "Equity " + percentText(*advice.equity);
        if (advice.requiredEquity) equity += ", price needs " + percentText(*advice.requiredEquity);
        parts.push_back(std::move(equity));
    }
    if (advice.preflopStrengthTier) {
        parts.push_back("Chen formula rates this " + std::string(displayName(*advice.preflopStrengthTier)));
    }
    parts.push_back(reasonOf(advice));
    if (auto reads = readsOf(advice)) parts.push_back(std::move(*reads));
    return sentences(parts);
}

std::optional<StrategyOverlayModel> StrategyOverlayModel::make(const std::optional<StrategyAdvice>& advice) {
    if (!advice) return std::nullopt;
    StrategyOverlayModel model;
    model.headline = advice->headline;
    model.badge = adviceBadge(*advice);
    model.equityBar = equityBarOf(*advice);
    model.reason = reasonOf(*advice);
    model.readsLine = readsOf(*advice);
    model.accessibilitySummary = app::accessibilitySummary(*advice);
    return model;
}

}  // namespace pellox::app
