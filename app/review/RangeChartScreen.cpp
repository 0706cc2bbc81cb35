#include "review/RangeChartScreen.hpp"

#include <QShowEvent>
#include <cmath>
#include <limits>

#include "rules/Card.hpp"
#include "shell/AppContext.hpp"
#include "shell/Palette.hpp"
#include "strategy/ChenFormula.hpp"
#include "strategy/HandRange.hpp"
#include "strategy/PositionBucket.hpp"
#include "strategy/PreflopChart.hpp"
#include "strategy/PreflopContext.hpp"
#include "strategy/PreflopTier.hpp"
#include "strategy/RangeAction.hpp"

namespace pellox::app {

namespace {

constexpr int pairCombinations = 6;
constexpr int suitedCombinations = 4;
constexpr int offsuitCombinations = 12;

int combinations(int row, int col) {
    if (row == col) return pairCombinations;
    return row < col ? suitedCombinations : offsuitCombinations;
}

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

QString RangeChartScreen::handLabel(int row, int col) {
    const auto ranks = HandRange::rankCharacters;
    const auto lo = static_cast<std::size_t>(std::min(row, col));
    const auto hi = static_cast<std::size_t>(std::max(row, col));
    QString label;
    label += QLatin1Char(ranks[lo]);
    label += QLatin1Char(ranks[hi]);
    if (row != col) label += row < col ? u's' : u'o';
    return label;
}

RangeAction RangeChartScreen::chartAction(const QString& label, PositionBucket bucket,
                                          PreflopContext context) {
    return PreflopChart::action(label.toStdString(), context, bucket);
}

RangeChartScreen::ActionPercentages RangeChartScreen::actionPercentages(PositionBucket bucket,
                                                                        PreflopContext context) {
    int raise = 0, call = 0, fold = 0;
    for (int row = 0; row < gridSize; ++row) {
        for (int col = 0; col < gridSize; ++col) {
            const int weight = combinations(row, col);
            switch (chartAction(handLabel(row, col), bucket, context)) {
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

std::optional<int> RangeChartScreen::rankValue(QStringView rank) {
    if (rank == u"A") return value(Rank::ace);
    if (rank == u"K") return value(Rank::king);
    if (rank == u"Q") return value(Rank::queen);
    if (rank == u"J") return value(Rank::jack);
    if (rank == u"T") return value(Rank::ten);
    const auto number = strictInteger(rank);
    if (!number || *number < value(Rank::two) || *number > value(Rank::ace)) return std::nullopt;
    return static_cast<int>(*number);
}

std::optional<PreflopTier> RangeChartScreen::chenTier(QStringView label) {
    if (label.size() < 2) return std::nullopt;
    const auto first = rankValue(label.sliced(0, 1));
    const auto second = rankValue(label.sliced(1, 1));
    if (!first || !second) return std::nullopt;
    const bool suited = label.size() > 2 && label[2] == u's';
    const Card high{*makeRank(*first), Suit::spades};
    const Card low{*makeRank(*second), suited ? Suit::spades : Suit::hearts};
    return preflopTier(chenScore(high, low));
}

QColor RangeChartScreen::actionColor(RangeAction action, const Palette& palette) {
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

QString RangeChartScreen::actionWord(RangeAction action) {
    const auto raw = rawValue(action);
    return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
}

RangeChartScreen::RangeChartScreen(AppContext& context, std::optional<QString> startsInspecting,
                                   QWidget* parent)
    : QWidget(parent),
      app_(context),
      startsInspecting_(std::move(startsInspecting)),
      bucket_(PositionBucket::late),
      context_(PreflopContext::open) {}

void RangeChartScreen::setBucket(PositionBucket bucket) {
    bucket_ = bucket;
    refresh();
}

void RangeChartScreen::setContext(PreflopContext context) {
    context_ = context;
    refresh();
}

void RangeChartScreen::toggleSelection(const QString& label) {
    if (selected_ == label)
        selected_.reset();
    else
        selected_ = label;
    refresh();
}

void RangeChartScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (startsInspecting_) {
        selected_ = startsInspecting_;
        refresh();
    }
}

void RangeChartScreen::refresh() {}

}  // namespace pellox::app
