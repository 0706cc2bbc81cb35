#include "review/ReplayBoardPanel.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

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
    : QWidget(parent), context_(context), animation_(new QVariantAnimation(this)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    animation_->setStartValue(0.0);
    animation_->setEndValue(1.0);
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        for (double& arrival : arrival_)
            if (arrival < 1) arrival = value.toDouble();
        update();
    });
    connect(animation_, &QVariantAnimation::finished, this, [this] {
        std::fill(arrival_.begin(), arrival_.end(), 1.0);
        update();
    });
    connect(&context_, &AppContext::paletteChanged, this, qOverload<>(&QWidget::update));
    refreshAccessibleName();
}

void ReplayBoardPanel::setFrame(const std::vector<Card>& board, std::int64_t potSize,
                                std::optional<Spring> motion) {
    const bool grows =
        board.size() > board_.size() && std::equal(board_.begin(), board_.end(), board.begin());
    const int duration = motion ? Motion::milliseconds(motion->settleDuration(), context_) : 0;
    animation_->stop();
    std::vector<double> arrival(board.size(), 1.0);
    if (grows && duration > 0) {
        std::fill(arrival.begin() + static_cast<std::ptrdiff_t>(board_.size()), arrival.end(), 0.0);
        animation_->setDuration(duration);
        animation_->setEasingCurve(motion->easingCurve());
    }
    board_ = board;
    arrival_ = std::move(arrival);
    potSize_ = potSize;
    if (std::any_of(arrival_.begin(), arrival_.end(), [](double a) { return a < 1; })) animation_->start();
    refreshAccessibleName();
    update();
}

QString ReplayBoardPanel::potText() const {
    return moneyText(potSize_);
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
    if (board_.empty()) {
        painter.setFont(placeholderFont());
        painter.setPen(palette.textMuted);
        painter.drawText(QRectF(0, top, width(), placeholderHeight), Qt::AlignCenter,
                         QString::fromLatin1(preflopPlaceholder));
        return;
    }
    const QSizeF card = PlayingCardView::frameSize(PlayingCardView::CardSize::board, 1);
    const auto count = static_cast<qreal>(board_.size());
    const qreal rowWidth = count * card.width() + (count - 1) * cardSpacing;
    qreal x = (width() - rowWidth) / 2;
    for (std::size_t i = 0; i < board_.size(); ++i) {
        const QPointF centre(x + card.width() / 2, top + card.height() / 2);
        const double arrival = arrival_[i];
        painter.save();
        painter.setOpacity(std::clamp(arrival, 0.0, 1.0));
        painter.translate(centre);
        const double scale = arrivalStartScale + (1 - arrivalStartScale) * arrival;
        painter.scale(scale, scale);
        PlayingCardView(board_[i], PlayingCardView::CardSize::board, false, 1)
            .paint(painter, {0, 0}, palette);
        painter.restore();
        x += card.width() + cardSpacing;
    }
}

void ReplayBoardPanel::paintPot(QPainter& painter, qreal top) const {
    const Palette& palette = context_.palette();
    const QString label = QStringLiteral("POT");
    const QString amount = potText();
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
