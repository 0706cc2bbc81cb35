#pragma once
#include <span>

#include "rules/Card.hpp"
#include "rules/RawEnum.hpp"

namespace pellox {

// Whether a board offers many draws (wet) or few (dry).
enum class BoardTexture { dry, wet };

template <>
struct EnumCases<BoardTexture> {
    static constexpr std::array cases{std::pair{BoardTexture::dry, std::string_view{"dry"}},
                                      std::pair{BoardTexture::wet, std::string_view{"wet"}}};
};

// Wet when three cards share a suit, or when three or more distinct ranks lie within a span of four; a board
// of fewer than three cards is dry. Allocates nothing.
BoardTexture classifyBoardTexture(std::span<const Card> board) noexcept;

}  // namespace pellox
