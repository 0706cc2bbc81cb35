#include "review/RangeChartScreen.hpp"

#include <QPainter>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "kit/SegmentedControl.hpp"
#include "rules/Card.hpp"
#include "strategy/ChenFormula.hpp"
#include "strategy/HandRange.hpp"
#include "strategy/PositionBucket.hpp"
#include "strategy/PreflopChart.hpp"
#include "strategy/PreflopContext.hpp"
#include "strategy/PreflopTier.hpp"
#include "strategy/RangeAction.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr int pairCombinations = 6;
constexpr int suitedCombinations = 4;
constexpr int offsuitCombinations = 12;

int combinations(int row, int col) {
    if (row == col) return pairCombinations;
    return row < col ? suitedCombinations : offsuitCombinations;
}

constexpr int screenPadding = 16;
constexpr int blockSpacing = 16;
constexpr int pickerSpacing = 8;

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
    return QString::fromUtf8(rawValue(action));
}

std::array<RangeAction, RangeGridView::cellCount> RangeChartScreen::gridActions(PositionBucket bucket,
                                                                                PreflopContext context) {
    std::array<RangeAction, RangeGridView::cellCount> actions{};
    for (int i = 0; i < RangeGridView::cellCount; ++i)
        actions[static_cast<std::size_t>(i)] = chartAction(RangeGridView::label(i), bucket, context);
    return actions;
}

std::array<RangeLegendView::Item, 3> RangeChartScreen::legendItems(const ActionPercentages& shares,
                                                                   const Palette& palette) {
    auto item = [&](RangeAction action, const char* name, int percent) {
        return RangeLegendView::Item{actionColor(action, palette), QLatin1String(name) + QLatin1Char(' ') +
                                                                       QString::number(percent) + u'%'};
    };
    return {item(RangeAction::raise, "Raise", shares.raise), item(RangeAction::call, "Call", shares.call),
            item(RangeAction::fold, "Fold", shares.fold)};
}

QColor RangeChartScreen::badgeTextColor(const QColor& fill, const Palette& palette) {
    return fill == palette.seatEmpty ? palette.textMuted : QColor(Qt::white);
}

RangeDetailView::Detail RangeChartScreen::detail(const QString& label, PositionBucket bucket,
                                                 PreflopContext context, const Palette& palette) {
    const RangeAction action = chartAction(label, bucket, context);
    const QColor fill = actionColor(action, palette);
    RangeDetailView::Detail out{label, actionWord(action).toUpper(), fill, badgeTextColor(fill, palette), {}};
    if (const auto tier = chenTier(label))
        out.strengthLine = QStringLiteral("Chen Formula strength: ") + QString::fromUtf8(displayName(*tier));
    return out;
}

RangeChartScreen::RangeChartScreen(AppContext& context, std::optional<QString> startsInspecting,
                                   QWidget* parent)
    : QWidget(parent),
      app_(context),
      positionPicker_(
          new SegmentedControl(context, QStringLiteral("Position"),
                               {QStringLiteral("Early"), QStringLiteral("Middle"), QStringLiteral("Late"),
                                QStringLiteral("SB"), QStringLiteral("BB")},
                               this)),
      situationPicker_(new SegmentedControl(
          context, QStringLiteral("Situation"),
          {QStringLiteral("First in"), QStringLiteral("Facing a raise"), QStringLiteral("Facing a 3-bet")},
          this)),
      grid_(new RangeGridView(context, this)),
      legend_(new RangeLegendView(context, this)),
      detail_(new RangeDetailView(context, this)),
      startsInspecting_(std::move(startsInspecting)),
      bucket_(PositionBucket::late),
      context_(PreflopContext::open) {
    setWindowTitle(QStringLiteral("Preflop Ranges"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(screenPadding, screenPadding, screenPadding, screenPadding);
    column->setSpacing(blockSpacing);
    auto* pickers = new QVBoxLayout;
    pickers->setSpacing(pickerSpacing);
    pickers->addWidget(positionPicker_);
    pickers->addWidget(situationPicker_);
    column->addLayout(pickers);
    column->addWidget(grid_);
    column->addWidget(legend_);
    column->addWidget(detail_);
    column->addStretch(1);  // the blocks stand at the top

    // The pickers list their cases in the enumerations' own order.
    positionPicker_->setCurrentIndex(static_cast<int>(bucket_));
    situationPicker_->setCurrentIndex(static_cast<int>(context_));
    connect(positionPicker_, &SegmentedControl::activated, this,
            [this](int index) { setBucket(allCases<PositionBucket>()[static_cast<std::size_t>(index)]); });
    connect(situationPicker_, &SegmentedControl::activated, this,
            [this](int index) { setContext(allCases<PreflopContext>()[static_cast<std::size_t>(index)]); });
    connect(grid_, &RangeGridView::cellClicked, this, &RangeChartScreen::toggleSelection);
    connect(&app_, &AppContext::paletteChanged, this, &RangeChartScreen::refresh);
    refresh();
}

void RangeChartScreen::setBucket(PositionBucket bucket) {
    bucket_ = bucket;
    positionPicker_->setCurrentIndex(static_cast<int>(bucket_));
    refresh();
}

void RangeChartScreen::setContext(PreflopContext context) {
    context_ = context;
    situationPicker_->setCurrentIndex(static_cast<int>(context_));
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
    if (startsInspecting_ && !event->spontaneous()) {
        selected_ = startsInspecting_;
        refresh();
    }
}

void RangeChartScreen::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), app_.palette().feltDark);
}

void RangeChartScreen::refresh() {
    const Palette& palette = app_.palette();
    grid_->setActions(gridActions(bucket_, context_));
    grid_->setSelected(selected_);
    legend_->setItems(legendItems(actionPercentages(bucket_, context_), palette));
    detail_->setDetail(selected_ ? std::optional(detail(*selected_, bucket_, context_, palette))
                                 : std::nullopt);
}

}  // namespace pellox::app
