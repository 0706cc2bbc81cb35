#include "review/RangeChartScreen.hpp"

#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "kit/Fonts.hpp"
#include "kit/ScrollPage.hpp"
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
      scroll_(makeScrollPage(this, nullptr)),
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
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
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
    for (QWidget* block :
         std::initializer_list<QWidget*>{positionPicker_, situationPicker_, grid_, legend_, detail_})
        block->setParent(content);
    setScrollPageContent(scroll_, content);
    scroll_->installEventFilter(this);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroll_);

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

int RangeChartScreen::gridSide(QSize room, int chrome, int standardChrome) {
    const int width = room.width() - 2 * screenPadding;
    const int fit = std::min(width, room.height() - chrome);
    const int standard = std::min(width, room.height() - standardChrome);
    return std::max({fit, standard, RangeGridView::minimumSide});
}

int RangeChartScreen::chromeHeightAt(double textScale) const {
    const int pickers = 2 * SegmentedControl::heightAt(textScale) + pickerSpacing;
    return 2 * screenPadding + 3 * blockSpacing + pickers + RangeLegendView::heightAt(textScale) +
           RangeDetailView::heightAt(textScale);
}

bool RangeChartScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_ && event->type() == QEvent::Resize) keepGridSize();
    return false;
}

// Measured on the whole area, not on the viewport, and less a scroll bar only when the page will scroll:
// the bar coming and going must not change the measure, or the grid would swing between two sizes.
void RangeChartScreen::keepGridSize() {
    const int chrome = chromeHeightAt(ScaledFont::textScale());
    const int standardChrome = chromeHeightAt(1);
    int side = gridSide(scroll_->size(), chrome, standardChrome);
    if (chrome + side > scroll_->height()) {
        const QSize besideTheBar(scroll_->verticalScrollBar()->sizeHint().width(), 0);
        side = gridSide(scroll_->size() - besideTheBar, chrome, standardChrome);
    }
    if (grid_->minimumSize() == QSize(side, side) && grid_->maximumHeight() == side) return;
    grid_->setMinimumSize(side, side);
    grid_->setMaximumHeight(side);
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
    keepGridSize();
}

}  // namespace pellox::app
