#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "rules/PlayerActionType.hpp"

namespace pellox {

// The rules engine's refusals; what() is the fixed message of the case.
class EngineError : public std::runtime_error {
  public:
    enum class Case { notPlayersTurn, illegalAction, missingPlayer, tooFewCards };

    static EngineError notPlayersTurn(std::string_view playerId);
    static EngineError illegalAction(PlayerActionType type);
    static EngineError missingPlayer(std::string_view playerId);
    static EngineError tooFewCards(std::int64_t count);

    Case errorCase() const noexcept { return case_; }

  private:
    EngineError(Case c, const std::string& message) : std::runtime_error(message), case_(c) {}
    Case case_;
};

}  // namespace pellox
