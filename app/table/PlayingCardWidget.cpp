#include "table/PlayingCardWidget.hpp"

#include <QPainter>
#include <cmath>

#include "theme/AppContext.hpp"

namespace pellox::app {

PlayingCardWidget::PlayingCardWidget(AppContext& context, std::optional<Card> card,
                                     PlayingCardView::CardSize size, bool fourColor, double scale,
                                     QWidget* parent)
    : QWidget(parent), context_(context), card_(card), size_(size), fourColor_(fourColor), scale_(scale) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(&context_, &AppContext::paletteChanged, this, qOverload<>(&QWidget::update));
    refreshAccessibleName();
}

void PlayingCardWidget::setCard(std::optional<Card> card) {
    if (card == card_) return;
    card_ = card;
    refreshAccessibleName();
    update();
}

void PlayingCardWidget::setFourColor(bool fourColor) {
    if (fourColor == fourColor_) return;
    fourColor_ = fourColor;
    update();
}

QSize PlayingCardWidget::sizeHint() const {
    QSizeF card = view().size();
    return {static_cast<int>(std::ceil(card.width())) + 2 * shadowMargin,
            static_cast<int>(std::ceil(card.height())) + 2 * shadowMargin};
}

void PlayingCardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    view().paint(painter, QRectF(rect()).center(), context_.palette());
}

PlayingCardView PlayingCardWidget::view() const {
    return PlayingCardView(card_, size_, fourColor_, scale_);
}

void PlayingCardWidget::refreshAccessibleName() {
    setAccessibleName(view().accessibilityLabel());
}

}  // namespace pellox::app
