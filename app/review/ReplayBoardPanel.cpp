#include "review/ReplayBoardPanel.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

#include "kit/AnimatedNumber.hpp"
#include "kit/Fonts.hpp"
#include "kit/MoneyText.hpp"
#include "kit/Motion.hpp"
#include "kit/Painting.hpp"
#include "kit/PlayingCardView.hpp"
#include "review/ReplayFrameLook.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr qreal panelRadius = 20;
constexpr qreal paddingY = 16;
constexpr qreal stackSpacing = 8;
constexpr qreal cardSpacing = 4;
constexpr qreal placeholderHeight = 56;
constexpr qreal potSpacing = 4;
constexpr qreal potPaddingX = 16;
constexpr qreal potPaddingY = 2;
constexpr qreal potFillOpacity = 0.5;
constexpr qreal potTracking = 1;
constexpr qreal arrivalStartScale = 0.5;
constexpr int panelMinimumWidth = 240;

QFont placeholderFont() {
    return scaledFont(13, FontWeight::semibold);
}
QFont potLabelFont() {
    return withTracking(scaledFont(10, FontWeight::heavy), potTracking);
}
QFont potAmountFont() {
    return scaledFont(15, FontWeight::heavy, FontDesign::rounded);
}

qreal potHeight() {
    return std::max(QFontMetricsF(potLabelFont()).height(), QFontMetricsF(potAmountFont()).height()) +
           2 * potPaddingY;
}

qreal rowHeight() {
    return PlayingCardView::frameSize(PlayingCardView::CardSize::board, 1).height();
}

}  // namespace

ReplayBoardPanel::ReplayBoardPanel(AppContext& context, QWidget* parent)
    : QWidget(parent),
      context_(context),
      animation_(new QVariantAnimation(this)),
      pot_(new AnimatedNumber(0, this)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    animation_->setStartValue(0.0);
    animation_->setEndValue(1.0);
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        const double progress = value.toDouble();
        for (std::size_t i = 0; i < arrival_.size(); ++i)
            if (moving_[i]) arrival_[i] = i < board_.size() ? progress : 1 - progress;
        update();
    });
    connect(animation_, &QVariantAnimation::finished, this, [this] {
        leaving_.clear();
        placeCards(0);
        update();
    });
    connect(pot_, &AnimatedNumber::valueChanged, this, qOverload<>(&QWidget::update));
    connect(&context_, &AppContext::paletteChanged, this, qOverload<>(&QWidget::update));
    refreshAccessibleName();
}

void ReplayBoardPanel::setFrame(const std::vector<Card>& board, std::int64_t potSize,
                                std::optional<Spring> motion) {
    const int duration = motion ? Motion::milliseconds(motion->settleDuration(), context_) : 0;
    const bool grows =
        board.size() > board_.size() && std::equal(board_.begin(), board_.end(), board.begin());
    const bool shrinks =
        board.size() < board_.size() && std::equal(board.begin(), board.end(), board_.begin());
    animation_->stop();
    std::vector<Card> leaving;
    if (shrinks && duration > 0)
        leaving.assign(board_.begin() + static_cast<std::ptrdiff_t>(board.size()), board_.end());
    const std::size_t joining = grows && duration > 0 ? board.size() - board_.size() : 0;
    board_ = board;
    leaving_ = std::move(leaving);
    placeCards(joining);
    if (joining > 0 || !leaving_.empty()) {
        animation_->setDuration(duration);
        animation_->setEasingCurve(motion->easingCurve());
        animation_->start();
    }
    if (motion)
        pot_->animateTo(static_cast<double>(potSize), *motion, context_);
    else
        pot_->jumpTo(static_cast<double>(potSize));
    refreshAccessibleName();
    update();
}

// Every card of the board in place but the last `joining`, which start out; leaving cards start in place
// and go.
void ReplayBoardPanel::placeCards(std::size_t joining) {
    const std::size_t total = board_.size() + leaving_.size();
    arrival_.assign(total, 1.0);
    moving_.assign(total, false);
    for (std::size_t i = board_.size() - joining; i < total; ++i) {
        moving_[i] = true;
        if (i < board_.size()) arrival_[i] = 0;
    }
}

QString ReplayBoardPanel::potText() const {
    return moneyText(std::llround(pot_->target()));
}

QString ReplayBoardPanel::shownPotText() const {
    return moneyText(std::llround(pot_->boundedValue()));
}

void ReplayBoardPanel::refreshAccessibleName() {
    QStringList cards;
    for (const Card& card : board_)
        cards << spokenName(card);
    const QString board =
        cards.isEmpty() ? QString::fromLatin1(preflopPlaceholder) : cards.join(QStringLiteral(", "));
    setAccessibleName(board + QStringLiteral(". Pot ") + potText());
}

QSize ReplayBoardPanel::sizeHint() const {
    const qreal height = 2 * paddingY + rowHeight() + stackSpacing + potHeight();
    return {panelMinimumWidth, static_cast<int>(std::ceil(height))};
}

QSize ReplayBoardPanel::minimumSizeHint() const {
    return sizeHint();
}

void ReplayBoardPanel::paintEvent(QPaintEvent*) {
    const Palette& palette = context_.palette();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    fillRoundedRect(painter, rect(), panelRadius, palette.felt);
    paintCards(painter, paddingY);
    paintPot(painter, paddingY + rowHeight() + stackSpacing);
}

void ReplayBoardPanel::paintCards(QPainter& painter, qreal top) const {
    const Palette& palette = context_.palette();
    if (board_.empty() && leaving_.empty()) {
        painter.setFont(placeholderFont());
        painter.setPen(palette.textMuted);
        painter.drawText(QRectF(0, top, width(), placeholderHeight), Qt::AlignCenter,
                         QString::fromLatin1(preflopPlaceholder));
        return;
    }
    const QSizeF card = PlayingCardView::frameSize(PlayingCardView::CardSize::board, 1);
    const std::size_t total = board_.size() + leaving_.size();
    const auto count = static_cast<qreal>(total);
    const qreal rowWidth = count * card.width() + (count - 1) * cardSpacing;
    qreal x = (width() - rowWidth) / 2;
    for (std::size_t i = 0; i < total; ++i) {
        const QPointF centre(x + card.width() / 2, top + card.height() / 2);
        const double arrival = arrival_[i];
        painter.save();
        painter.setOpacity(std::clamp(arrival, 0.0, 1.0));
        painter.translate(centre);
        const double scale = arrivalStartScale + (1 - arrivalStartScale) * arrival;
        painter.scale(scale, scale);
        const Card& shown = i < board_.size() ? board_[i] : leaving_[i - board_.size()];
        PlayingCardView(shown, PlayingCardView::CardSize::board, false, 1).paint(painter, {0, 0}, palette);
        painter.restore();
        x += card.width() + cardSpacing;
    }
}

void ReplayBoardPanel::paintPot(QPainter& painter, qreal top) const {
    const Palette& palette = context_.palette();
    const QString label = QStringLiteral("POT");
    const QString amount = shownPotText();
    const qreal labelWidth = QFontMetricsF(potLabelFont()).horizontalAdvance(label);
    const qreal amountWidth = QFontMetricsF(potAmountFont()).horizontalAdvance(amount);
    const qreal capsuleWidth = labelWidth + potSpacing + amountWidth + 2 * potPaddingX;
    const QRectF capsule((width() - capsuleWidth) / 2, top, capsuleWidth, potHeight());
    fillCapsule(painter, capsule, withOpacity(Qt::black, potFillOpacity));
    strokeCapsuleInside(painter, capsule, palette.accent, 1);
    const QRectF content = capsule.adjusted(potPaddingX, potPaddingY, -potPaddingX, -potPaddingY);
    painter.setFont(potLabelFont());
    painter.setPen(palette.textMuted);
    painter.drawText(QRectF(content.left(), content.top(), labelWidth + 1, content.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, label);
    painter.setFont(potAmountFont());
    painter.setPen(palette.accent);
    painter.drawText(
        QRectF(content.right() - amountWidth - 1, content.top(), amountWidth + 1, content.height()),
        Qt::AlignRight | Qt::AlignVCenter, amount);
}

}  // namespace pellox::app
