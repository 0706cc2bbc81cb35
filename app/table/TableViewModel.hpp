#pragma once
// What the felt shows of a table, as values: who sits in which layout box, the board as revealed, where the
// cards are dealt from, the winner banner, and how many hole cards of a seat have landed.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include <QString>
#include <QStringList>

#include "rules/Card.hpp"
#include "rules/EngineEvent.hpp"
#include "rules/Player.hpp"
#include "rules/TableState.hpp"
#include "rules/Winner.hpp"
#include "table/HandKey.hpp"
#include "view/DealStep.hpp"
#include "view/Geometry.hpp"
#include "view/TableLayout.hpp"

namespace pellox::app {

struct TableViewModel {
    // The seats by seat index, turned so the human (when seated) comes first and takes the bottom box.
    static std::vector<const Player*> orderedPlayers(const std::optional<TableState>& table,
                                                     std::string_view humanId);
    // How many of the ordered players the layout has a box for: the layout places at most six.
    static std::size_t drawnSeatCount(std::size_t players, const TableLayout::Result& layout);
    static std::vector<Card> visibleBoard(const std::optional<TableState>& table, std::int64_t revealed);
    // The dealer's box centre, or the canvas centre when the dealer has no box.
    static Point dealOrigin(const std::optional<TableState>& table, const std::vector<const Player*>& players,
                            const TableLayout::Result& layout, Size size);

    // The hand is over and its whole board is on screen.
    static bool handShownOver(const std::optional<TableState>& table, std::int64_t revealed);
    // The banner and the winner amounts tell what was won: a bet handed back unmatched is no win.
    static std::optional<QString> bannerText(const std::optional<TableState>& table, std::int64_t revealed,
                                             std::string_view humanId);
    static QString winnerText(const Winner& winner, const TableState& table, std::string_view humanId);
    // Of winners already taken as won (UncalledBet::winnersAsWon).
    static std::optional<std::int64_t> winnerAmount(const std::vector<Winner>& won,
                                                    std::string_view playerId);
    static QString potText(std::int64_t potTotal);
    static QString potAccessibilityLabel(std::int64_t potTotal);

    // Every hole card of the hand in dealing order, for the players holding two.
    static std::vector<DealStep> dealSteps(const std::optional<TableState>& table);
    // Of the deal of `dealt` with `dealtCount` cards landed: how many went to the seat, 0 for another hand.
    static std::int64_t cardsLanded(const HandKey& dealt, std::int64_t dealtCount, const HandKey& current,
                                    const std::vector<DealStep>& steps, std::int64_t seatIndex);

    // The street's cards have landed: the whole board is revealed and `landedBoard`, the board's first cards
    // the felt shows at rest, covers it. Until then nobody sees the street and the human does not act on it.
    static bool streetLanded(const std::optional<TableState>& table, std::int64_t revealed,
                             std::int64_t landedBoard);
    // The end of a hand as the felt plays it: the street's cards land, then the hole cards turn face up, then
    // the pot's award comes.
    static bool holeCardsTurn(const std::optional<TableState>& table, std::int64_t revealed,
                              std::int64_t landedBoard);
    // The award is shown at once when nobody had to show down (all folded); at a showdown only once the hole
    // cards have turned.
    static bool awardShown(const std::optional<TableState>& table, std::int64_t revealed,
                           std::int64_t landedBoard, bool holeCardsTurned);
    // Every chip the engine awarded the player in this hand (a returned unmatched bet too): the stack
    // without them is the stack before the award.
    static std::int64_t chipsAwarded(const std::optional<TableState>& table, std::string_view playerId);
    // How many of the hand's first events may fly chips: all of them once the award is shown, else those
    // before the first award.
    static std::size_t flyingEventCount(std::span<const EngineEvent> events, bool awardShown);
};

}  // namespace pellox::app
