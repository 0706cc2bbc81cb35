#include "review/RangeChartScreen.hpp"

#include <QPainter>
#include <QShowEvent>
#include <QVBoxLayout>

#include "kit/SegmentedControl.hpp"
#include "review/RangeChartModel.hpp"
#include "strategy/PositionBucket.hpp"
#include "strategy/PreflopContext.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr int screenPadding = 16;
constexpr int blockSpacing = 16;
constexpr int pickerSpacing = 8;

}  // namespace

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
    namespace Model = RangeChartModel;
    const Palette& palette = app_.palette();
    grid_->setActions(Model::gridActions(bucket_, context_));
    grid_->setSelected(selected_);
    legend_->setItems(Model::legendItems(Model::actionPercentages(bucket_, context_), palette));
    detail_->setDetail(selected_ ? std::optional(Model::detail(*selected_, bucket_, context_, palette))
                                 : std::nullopt);
    grid_->setSelectedRead(detail_->accessibleName());
}

}  // namespace pellox::app
