#include "review/RangeChartModel.hpp"

#include <cmath>
#include <limits>

#include "rules/Card.hpp"
#include "strategy/ChenFormula.hpp"
#include "strategy/HandClass.hpp"
#include "strategy/PositionBucket.hpp"
#include "strategy/PreflopChart.hpp"
#include "strategy/PreflopContext.hpp"
#include "strategy/PreflopTier.hpp"
#include "strategy/RangeAction.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

int wholePercent(int part, int total) {
    return static_cast<int>(std::round(100.0 * part / total));
}

// A decimal whole number with an optional sign and ASCII digits only, as a strict integer reading takes it.
std::optional<long long> strictInteger(QStringView text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        if (value > (std::numeric_limits<long long>::max() - (c - u'0')) / 10) return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

}  // namespace

QString RangeChartModel::handLabel(int row, int col) {
    return QString::fromStdString(handClassAt(static_cast<std::size_t>(row), static_cast<std::size_t>(col)));
}

RangeAction RangeChartModel::chartAction(const QString& label, PositionBucket bucket,
                                         PreflopContext context) {
    return PreflopChart::action(label.toStdString(), context, bucket);
}

RangeChartModel::ActionPercentages RangeChartModel::actionPercentages(PositionBucket bucket,
                                                                      PreflopContext context) {
    int raise = 0, call = 0, fold = 0;
    for (int row = 0; row < gridSize; ++row) {
        for (int col = 0; col < gridSize; ++col) {
            const QString label = handLabel(row, col);
            const int weight = combinationCount(label.toStdString());
            switch (chartAction(label, bucket, context)) {
                case RangeAction::raise:
                    raise += weight;
                    break;
                case RangeAction::call:
                    call += weight;
                    break;
                case RangeAction::fold:
                    fold += weight;
                    break;
            }
        }
    }
    const int total = raise + call + fold;
    return {wholePercent(raise, total), wholePercent(call, total), wholePercent(fold, total)};
}

std::optional<int> RangeChartModel::rankValue(QStringView rank) {
    if (rank == u"A") return value(Rank::ace);
    if (rank == u"K") return value(Rank::king);
    if (rank == u"Q") return value(Rank::queen);
    if (rank == u"J") return value(Rank::jack);
    if (rank == u"T") return value(Rank::ten);
    const auto number = strictInteger(rank);
    if (!number || *number < value(Rank::two) || *number > value(Rank::ace)) return std::nullopt;
    return static_cast<int>(*number);
}

std::optional<PreflopTier> RangeChartModel::chenTier(QStringView label) {
    if (label.size() < 2) return std::nullopt;
    const auto first = rankValue(label.sliced(0, 1));
    const auto second = rankValue(label.sliced(1, 1));
    if (!first || !second) return std::nullopt;
    const bool suited = label.size() > 2 && label[2] == u's';
    const Card high{*makeRank(*first), Suit::spades};
    const Card low{*makeRank(*second), suited ? Suit::spades : Suit::hearts};
    return preflopTier(chenScore(high, low));
}

QColor RangeChartModel::actionColor(RangeAction action, const Palette& palette) {
    switch (action) {
        case RangeAction::raise:
            return palette.raiseBtn;
        case RangeAction::call:
            return palette.callBtn;
        case RangeAction::fold:
            return palette.seatEmpty;
    }
    return palette.seatEmpty;
}

QString RangeChartModel::actionWord(RangeAction action) {
    return QString::fromUtf8(rawValue(action));
}

std::array<RangeAction, RangeGridView::cellCount> RangeChartModel::gridActions(PositionBucket bucket,
                                                                               PreflopContext context) {
    std::array<RangeAction, RangeGridView::cellCount> actions{};
    for (int i = 0; i < RangeGridView::cellCount; ++i)
        actions[static_cast<std::size_t>(i)] = chartAction(RangeGridView::label(i), bucket, context);
    return actions;
}

std::array<RangeLegendView::Item, 3> RangeChartModel::legendItems(const ActionPercentages& shares,
                                                                  const Palette& palette) {
    auto item = [&](RangeAction action, const char* name, int percent) {
        return RangeLegendView::Item{actionColor(action, palette), QLatin1String(name) + QLatin1Char(' ') +
                                                                       QString::number(percent) + u'%'};
    };
    return {item(RangeAction::raise, "Raise", shares.raise), item(RangeAction::call, "Call", shares.call),
            item(RangeAction::fold, "Fold", shares.fold)};
}

QColor RangeChartModel::badgeTextColor(const QColor& fill, const Palette& palette) {
    return fill == palette.seatEmpty ? palette.textMuted : QColor(Qt::white);
}

RangeDetailView::Detail RangeChartModel::detail(const QString& label, PositionBucket bucket,
                                                PreflopContext context, const Palette& palette) {
    const RangeAction action = chartAction(label, bucket, context);
    const QColor fill = actionColor(action, palette);
    RangeDetailView::Detail out{label, actionWord(action).toUpper(), fill, badgeTextColor(fill, palette), {}};
    if (const auto tier = chenTier(label))
        out.strengthLine = QStringLiteral("Chen Formula strength: ") + QString::fromUtf8(displayName(*tier));
    return out;
}

}  // namespace pellox::app
