#include "shell/GameSeed.hpp"

#include <QtGlobal>

namespace pellox::app {

std::optional<std::int32_t> parseGameSeed(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> fixedGameSeed() {
    return parseGameSeed(qEnvironmentVariable("PELLOX_SEED"));
}

}  // namespace pellox::app
