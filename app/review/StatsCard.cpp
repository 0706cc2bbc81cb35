#include "review/StatsCard.hpp"

#include <QPainter>
#include <QVBoxLayout>

#include "kit/Painting.hpp"
#include "theme/AppContext.hpp"

namespace pellox::app {

namespace {

constexpr int spacing = 8;

}  // namespace

StatsCard::StatsCard(const AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), content_(new QVBoxLayout(this)) {
    const int padding = sidePanelCardPadding;
    content_->setContentsMargins(padding, padding, padding, padding);
    content_->setSpacing(spacing);
}

void StatsCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintSidePanelCard(painter, rect(), context_.palette());
}

}  // namespace pellox::app
