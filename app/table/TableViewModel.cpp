#include "table/TableViewModel.hpp"
#include "kit/MoneyText.hpp"

#include <algorithm>

#include "rules/UncalledBet.hpp"

namespace pellox::app {

namespace {

QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::vector<const Player*> TableViewModel::orderedPlayers(const std::optional<TableState>& table,
                                                          std::string_view humanId) {
    std::vector<const Player*> out;
    if (!table) return out;
    for (const Player& p : table->players)
        out.push_back(&p);
    std::stable_sort(out.begin(), out.end(),
                     [](const Player* a, const Player* b) { return a->seatIndex < b->seatIndex; });
    const auto human =
        std::find_if(out.begin(), out.end(), [&](const Player* p) { return p->id == humanId; });
    if (human != out.end()) std::rotate(out.begin(), human, out.end());
    return out;
}

std::size_t TableViewModel::drawnSeatCount(std::size_t players, const TableLayout::Result& layout) {
    return std::min(players, layout.seats.size());
}

std::vector<Card> TableViewModel::visibleBoard(const std::optional<TableState>& table,
                                               std::int64_t revealed) {
    if (!table) return {};
    const auto count = std::min<std::size_t>(static_cast<std::size_t>(std::max<std::int64_t>(revealed, 0)),
                                             table->board.size());
    return {table->board.begin(), table->board.begin() + static_cast<std::ptrdiff_t>(count)};
}

Point TableViewModel::dealOrigin(const std::optional<TableState>& table,
                                 const std::vector<const Player*>& players, const TableLayout::Result& layout,
                                 Size size) {
    if (table) {
        const std::size_t drawn = drawnSeatCount(players.size(), layout);
        for (std::size_t k = 0; k < drawn; ++k)
            if (players[k]->seatIndex == table->dealerSeatIndex) return layout.seats[k].frame.center();
    }
    return {size.width * 0.5, size.height * 0.5};
}

bool TableViewModel::handShownOver(const std::optional<TableState>& table, std::int64_t revealed) {
    return table && !table->isHandInProgress && revealed >= static_cast<std::int64_t>(table->board.size());
}

std::optional<QString> TableViewModel::bannerText(const std::optional<TableState>& table,
                                                  std::int64_t revealed, std::string_view humanId) {
    if (!handShownOver(table, revealed)) return std::nullopt;
    const std::vector<Winner> won = UncalledBet::winnersAsWon(*table);
    if (won.empty()) return std::nullopt;
    QStringList parts;
    for (const Winner& w : won)
        parts << winnerText(w, *table, humanId);
    return parts.join(QStringLiteral(" \u00b7 "));
}

QString TableViewModel::winnerText(const Winner& winner, const TableState& table, std::string_view humanId) {
    const Player* player = table.player(winner.playerId);
    QString text = fromStd(player ? std::string_view{player->name} : std::string_view{winner.playerId});
    text += winner.playerId == humanId ? QStringLiteral(" win") : QStringLiteral(" wins");
    text += QStringLiteral(" ") + moneyText(winner.amount);
    if (winner.handDescription && *winner.handDescription != Winner::opponentsFoldedDescription)
        text += " (" + fromStd(*winner.handDescription) + ")";
    return text;
}

std::optional<std::int64_t> TableViewModel::winnerAmount(const std::vector<Winner>& won,
                                                         std::string_view playerId) {
    for (const Winner& w : won)
        if (w.playerId == playerId) return w.amount;
    return std::nullopt;
}

QString TableViewModel::potText(std::int64_t potTotal) {
    return moneyText(potTotal);
}

QString TableViewModel::potAccessibilityLabel(std::int64_t potTotal) {
    return QStringLiteral("Pot ") + moneyText(potTotal);
}

std::vector<DealStep> TableViewModel::dealSteps(const std::optional<TableState>& table) {
    if (!table) return {};
    std::vector<std::int64_t> seats;
    for (const Player& p : table->players)
        if (p.holeCards.size() == 2) seats.push_back(p.seatIndex);
    return DealStep::dealingOrder(std::move(seats), table->dealerSeatIndex);
}

std::int64_t TableViewModel::cardsLanded(const HandKey& dealt, std::int64_t dealtCount,
                                         const HandKey& current, const std::vector<DealStep>& steps,
                                         std::int64_t seatIndex) {
    if (dealt != current) return 0;
    const auto landed =
        std::min<std::size_t>(static_cast<std::size_t>(std::max<std::int64_t>(dealtCount, 0)), steps.size());
    return std::count_if(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(landed),
                         [&](const DealStep& s) { return s.seatIndex == seatIndex; });
}

bool TableViewModel::streetLanded(const std::optional<TableState>& table, std::int64_t revealed,
                                  std::int64_t landedBoard) {
    const auto board = table ? static_cast<std::int64_t>(table->board.size()) : 0;
    return revealed >= board && landedBoard >= board;
}

bool TableViewModel::holeCardsTurn(const std::optional<TableState>& table, std::int64_t revealed,
                                   std::int64_t landedBoard) {
    return table && !table->isHandInProgress && streetLanded(table, revealed, landedBoard);
}

bool TableViewModel::awardShown(const std::optional<TableState>& table, std::int64_t revealed,
                                std::int64_t landedBoard, bool holeCardsTurned) {
    if (!table || table->isHandInProgress || table->street != Street::showdown) return true;
    return streetLanded(table, revealed, landedBoard) && holeCardsTurned;
}

std::int64_t TableViewModel::chipsAwarded(const std::optional<TableState>& table, std::string_view playerId) {
    if (!table || !table->winners) return 0;
    std::int64_t chips = 0;
    for (const Winner& w : *table->winners)
        if (w.playerId == playerId) chips += w.amount;
    return chips;
}

std::size_t TableViewModel::flyingEventCount(std::span<const EngineEvent> events, bool awardShown) {
    if (awardShown) return events.size();
    const auto award = std::find_if(events.begin(), events.end(),
                                    [](const EngineEvent& e) { return e.is<EngineEvent::PotAwarded>(); });
    return static_cast<std::size_t>(award - events.begin());
}

}  // namespace pellox::app
