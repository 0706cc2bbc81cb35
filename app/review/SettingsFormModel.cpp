#include "review/SettingsFormModel.hpp"

#include "kit/MoneyText.hpp"
#include "store/SettingsStore.hpp"

namespace pellox::app {

QString SettingsFormModel::guideFooter(GuideMode mode) {
    switch (mode) {
        case GuideMode::show:
            return QStringLiteral(
                "Choose which streets show advice before you act. Every decision is still graded.");
        case GuideMode::gradeOnly:
            return QStringLiteral(
                "Advice is hidden while you play and your decisions are still graded, so the post-hand "
                "report tells "
                "you how you did.");
        case GuideMode::off:
            return QStringLiteral("No advice and no grading. The equity calculation does not run at all.");
    }
    return {};
}

bool SettingsFormModel::streetToggleValue(const SettingsStore& settings, Street street) {
    return settings.strategyToggles.get().isEnabled(street);
}

void SettingsFormModel::setStreetToggle(SettingsStore& settings, Street street, bool enabled) {
    settings.setStrategyToggle(street, enabled);
}

void SettingsFormModel::setBigBlind(SettingsStore& settings, std::int64_t bigBlind) {
    settings.cashConfig.modify(
        [bigBlind](CashGameConfig& config) { config = config.withBigBlind(bigBlind); });
    settings.save();
}

void SettingsFormModel::setBuyIn(SettingsStore& settings, std::int64_t buyIn) {
    settings.cashConfig.modify([buyIn](CashGameConfig& config) { config.defaultBuyIn = buyIn; });
    settings.save();
}

void SettingsFormModel::setTournamentStack(SettingsStore& settings, std::int64_t startingStack) {
    settings.tournamentConfig.modify(
        [startingStack](TournamentConfig& config) { config.startingStack = startingStack; });
    settings.save();
}

QString SettingsFormModel::bigBlindTitle(std::int64_t bigBlind) {
    return QStringLiteral("Big blind: ") + moneyText(bigBlind);
}

QString SettingsFormModel::buyInTitle(std::int64_t buyIn) {
    return QStringLiteral("Buy-in: ") + moneyText(buyIn);
}

QString SettingsFormModel::tournamentStackTitle(std::int64_t startingStack) {
    return QStringLiteral("Tournament stack: %1").arg(startingStack);
}

std::optional<QString> SettingsFormModel::bigBlindRatioText(std::int64_t buyIn, std::int64_t bigBlind) {
    // A hand-edited document may hold any big blind; the form itself never sets one below 2.
    if (bigBlind <= 0) return std::nullopt;
    return QStringLiteral("%1 big blinds").arg(buyIn / bigBlind);
}

}  // namespace pellox::app
