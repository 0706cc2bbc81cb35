#include "table/StrategyOverlayView.hpp"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "kit/Fonts.hpp"
#include "kit/OneAccessibleElement.hpp"
#include "kit/Painting.hpp"
#include "kit/Spring.hpp"
#include "kit/TextBlock.hpp"
#include "kit/Transition.hpp"
#include "strategy/StrategyAdvice.hpp"
#include "table/BadgeView.hpp"
#include "table/EquityBarView.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr int rowSpacing = 8;

constexpr int headerSpacing = 8;
constexpr int equitySpacing = 2;
constexpr int reasonLines = 3;
// Keyed on the headline: the card comes up from the bottom fading in, goes back down fading out, and a new
// headline cross-fades the card.
constexpr Spring headlineSpring{0.25, 0.85};

BadgeView::Style badgeStyle() {
    return {withTracking(fixedFont(9, FontWeight::semibold), 0.6),
            withTracking(fixedFont(11, FontWeight::black), 0.5), 5, QMargins(8, 3, 8, 3)};
}

TextBlock* text(QWidget* parent, const QFont& font, int maxLines) {
    auto* block = new TextBlock({}, parent);
    block->setTextFont(font);
    block->setMaximumLines(maxLines);
    block->setSilent(true);
    return block;
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

StrategyOverlayView::StrategyOverlayView(const AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    // The card is read as its one summary; the badge and texts in it are not separate stops.
    makeOneAccessibleElement(this);
    build();
    connect(&context_, &AppContext::paletteChanged, this, &StrategyOverlayView::apply);
    apply();
}

void StrategyOverlayView::build() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(sidePanelCardPadding, sidePanelCardPadding, sidePanelCardPadding,
                               sidePanelCardPadding);
    column->setSpacing(rowSpacing);

    auto* header = new QHBoxLayout;
    header->setSpacing(headerSpacing);
    headline_ = text(this, fixedFont(17, FontWeight::heavy), 0);
    header->addWidget(headline_, 1, Qt::AlignTop);
    badgeHolder_ = new QWidget(this);
    auto* holder = new QVBoxLayout(badgeHolder_);
    holder->setContentsMargins(0, 0, 0, 0);
    badge_ = new BadgeView(badgeStyle(), badgeHolder_);
    holder->addWidget(badge_);
    holder->addStretch(1);
    header->addWidget(badgeHolder_, 0, Qt::AlignTop);
    column->addLayout(header);

    equityBlock_ = new QWidget(this);
    auto* equity = new QVBoxLayout(equityBlock_);
    equity->setContentsMargins(0, 0, 0, 0);
    equity->setSpacing(equitySpacing);
    bar_ = new EquityBarView(equityBlock_);
    equity->addWidget(bar_);
    auto* texts = new QHBoxLayout;
    equityText_ = text(equityBlock_, fixedFont(11, FontWeight::semibold), 1);
    requiredText_ = text(equityBlock_, fixedFont(11, FontWeight::semibold), 1);
    requiredText_->setAlignment(Qt::AlignRight);
    texts->addWidget(equityText_);
    texts->addStretch(1);
    texts->addWidget(requiredText_);
    equity->addLayout(texts);
    column->addWidget(equityBlock_);

    reason_ = text(this, fixedFont(14), reasonLines);
    column->addWidget(reason_);
    reads_ = text(this, fixedFont(12), 1);
    reads_->setElideMode(Qt::ElideRight);
    column->addWidget(reads_);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void StrategyOverlayView::setAdvice(const std::optional<StrategyAdvice>& advice) {
    auto next = StrategyOverlayModel::make(advice);
    // Also re-applied when a parent showed the card regardless of its advice.
    if (next == model_ && (isWindow() || isHidden() == !next)) return;
    const bool animated = !isWindow();
    const auto bottom = Transition::move(Transition::Edge::bottom);
    if (animated && next && model_ && model_->headline != next->headline)
        crossFade(*this, headlineSpring, context_);
    if (animated && !next) transitionOut(*this, bottom, headlineSpring, context_);
    if (animated && next && isHidden()) transitionIn(*this, bottom, headlineSpring, context_);
    model_ = std::move(next);
    apply();
}

void StrategyOverlayView::apply() {
    // A card without a parent is being looked at on its own (a test, the gallery): it is not made a window.
    if (!isWindow()) setHidden(!model_);
    setAccessibleName(model_ ? q(model_->accessibilitySummary) : QString());
    if (!model_) return;
    const Palette& p = context_.palette();
    headline_->setText(q(model_->headline));
    headline_->setColor(p.accent);
    badgeHolder_->setVisible(model_->badge.has_value());
    if (model_->badge)
        badge_->setContent(q(model_->badge->caption.value_or("")), q(model_->badge->value),
                           color(model_->badge->tint, p));
    equityBlock_->setVisible(model_->equityBar.has_value());
    if (const auto& eq = model_->equityBar) {
        bar_->setValues(eq->equity, eq->requiredEquity);
        bar_->setColors(p.seatEmpty, color(eq->fill, p), p.text);
        equityText_->setText(q(eq->equityText));
        requiredText_->setText(q(eq->requiredText.value_or("")));
        requiredText_->setVisible(eq->requiredText.has_value());
        equityText_->setColor(p.textMuted);
        requiredText_->setColor(p.textMuted);
    }
    reason_->setText(q(model_->reason));
    reason_->setColor(p.text);
    reads_->setVisible(model_->readsLine.has_value());
    reads_->setText(q(model_->readsLine.value_or("")));
    reads_->setColor(p.textMuted);
    alignBadge();
    update();
}

// The badge sits on the headline's first baseline.
void StrategyOverlayView::alignBadge() {
    badge_->adjustSize();
    const int offset = std::max(0, headline_->firstBaseline() - badge_->baseline());
    badgeHolder_->layout()->setContentsMargins(0, offset, 0, 0);
}

void StrategyOverlayView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    alignBadge();
}

void StrategyOverlayView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintSidePanelCard(painter, rect(), context_.palette());
}

}  // namespace pellox::app
