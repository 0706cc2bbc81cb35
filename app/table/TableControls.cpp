#include "table/TableControls.hpp"

#include <algorithm>

#include <fmt/format.h>

#include "rules/GameMode.hpp"
#include "rules/LegalActions.hpp"
#include "rules/PlayerActionType.hpp"
#include "rules/Standing.hpp"
#include "rules/TableState.hpp"
#include "session/PreAction.hpp"
#include "store/GameSpeed.hpp"

namespace pellox::app::TableControls {

namespace {

constexpr double preActionDelayAtNormalSpeed = 0.45;

}  // namespace

std::string headerTitle(const std::optional<GameMode>& mode, std::int64_t handNumber) {
    if (mode == GameMode::cash) return "Cash Game";
    return fmt::format("Tournament \u00b7 Hand {}", handNumber);
}

double preActionDelay(GameSpeed speed) {
    return preActionDelayAtNormalSpeed * multiplier(speed);
}

std::string preActionKey(bool isHumanTurn, const std::optional<PreAction>& preAction,
                         std::int64_t handNumber) {
    return fmt::format("{}:{}:{}", isHumanTurn ? "true" : "false",
                       preAction ? rawValue(*preAction) : std::string_view("-"), handNumber);
}

std::int64_t playAgainBotCount(const std::optional<TableState>& table) {
    const auto players = table ? static_cast<std::int64_t>(table->players.size()) : 2;
    return std::max<std::int64_t>(1, players - 1);
}

ExitRequest exitRequest(const std::optional<TableState>& table) {
    return table && table->isHandInProgress ? ExitRequest::confirmLeavingHand : ExitRequest::showSummary;
}

std::optional<PlayerActionType> shortcutAction(ShortcutKey key, const std::optional<LegalActions>& legal,
                                               bool isHumanTurn) {
    if (!legal || !isHumanTurn) return std::nullopt;
    switch (key) {
        case ShortcutKey::f:
            if (legal->canFold) return PlayerActionType::fold;
            break;
        case ShortcutKey::c:
            if (legal->canCheck) return PlayerActionType::check;
            if (legal->canCall) return PlayerActionType::call;
            break;
        case ShortcutKey::a:
            if (legal->canAllIn) return PlayerActionType::allIn;
            break;
    }
    return std::nullopt;
}

std::vector<std::string> standingLines(const std::vector<Standing>& standings, const PlayerNameSource& name) {
    std::vector<std::string> lines;
    lines.reserve(standings.size());
    for (const Standing& standing : standings)
        lines.push_back(
            fmt::format("{}. {}", standing.place, name ? name(standing.playerId) : standing.playerId));
    return lines;
}

}  // namespace pellox::app::TableControls
