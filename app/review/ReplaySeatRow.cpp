#include "review/ReplaySeatRow.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "kit/AnimatedNumber.hpp"
#include "kit/Fonts.hpp"
#include "kit/MoneyText.hpp"
#include "kit/Painting.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"
#include "view/ReplayView.hpp"

namespace pellox::app {
namespace {

constexpr qreal rowRadius = 6;
constexpr qreal paddingX = 8;
constexpr qreal paddingY = 5;
constexpr qreal spacing = 8;
constexpr int dealerSize = 16;
constexpr qreal backSpacing = 2;
constexpr QSizeF backSize{11, 15};
constexpr qreal backRadius = 2;
constexpr qreal backBorderWidth = 0.5;
constexpr qreal stackMinimumWidth = 66;

QFont nameFont(bool bold) {
    return scaledFont(14, bold ? FontWeight::bold : FontWeight::regular);
}
QFont cardFont() {
    return scaledFont(13, FontWeight::heavy, FontDesign::rounded);
}
QFont stackFont() {
    return scaledFont(14, FontWeight::heavy, FontDesign::rounded);
}

qreal contentHeight() {
    return std::max({QFontMetricsF(nameFont(true)).height(), ReplaySeatRow::dealerBadgeSize(),
                     QFontMetricsF(cardFont()).height(), backSize.height(),
                     QFontMetricsF(stackFont()).height()});
}

}  // namespace

qreal ReplaySeatRow::dealerBadgeSize() {
    return textScaledHeight(dealerSize);
}

QFont ReplaySeatRow::dealerFont() {
    return scaledFont(9, FontWeight::black);
}

ReplaySeatRow::ReplaySeatRow(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), stack_(new AnimatedNumber(0, this)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(stack_, &AnimatedNumber::valueChanged, this, qOverload<>(&QWidget::update));
    connect(&context_, &AppContext::paletteChanged, this, [this] {
        if (seat_) setSeat(ReplaySeatView(*seat_));
    });
}

ReplaySeatRow::~ReplaySeatRow() = default;

void ReplaySeatRow::setSeat(const ReplaySeatView& seat, std::optional<Spring> motion) {
    const auto stack = static_cast<double>(seat.stack);
    if (motion && seat_)
        stack_->animateTo(stack, *motion, context_);
    else
        stack_->jumpTo(stack);
    seat_ = std::make_unique<ReplaySeatView>(seat);
    look_ = SeatRowLook::make(seat, context_.palette());
    setAccessibleName(look_.accessibleText());
    update();
}

QString ReplaySeatRow::shownStackText() const {
    return moneyText(std::llround(stack_->boundedValue()));
}

QSize ReplaySeatRow::sizeHint() const {
    return {240, static_cast<int>(std::ceil(contentHeight() + 2 * paddingY))};
}

QSize ReplaySeatRow::minimumSizeHint() const {
    return {120, sizeHint().height()};
}

void ReplaySeatRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    fillRoundedRect(painter, rect(), rowRadius, look_.background);
    painter.setOpacity(look_.contentOpacity);
    const QRectF content = QRectF(rect()).adjusted(paddingX, paddingY, -paddingX, -paddingY);

    const QString stackText = shownStackText();
    const qreal stackWidth =
        std::max(stackMinimumWidth, QFontMetricsF(stackFont()).horizontalAdvance(stackText));
    const QRectF stack(content.right() - stackWidth, content.top(), stackWidth, content.height());
    painter.setFont(stackFont());
    painter.setPen(context_.palette().accent);
    painter.drawText(stack, Qt::AlignRight | Qt::AlignVCenter, stackText);

    paintLeading(painter, content);
    paintCards(painter, content, stack.left() - spacing);
}

void ReplaySeatRow::paintLeading(QPainter& painter, const QRectF& content) const {
    const Palette& palette = context_.palette();
    const QFont font = nameFont(look_.bold);
    const qreal nameWidth = QFontMetricsF(font).horizontalAdvance(look_.name);
    painter.setFont(font);
    painter.setPen(look_.nameColor);
    painter.drawText(QRectF(content.left(), content.top(), nameWidth + 1, content.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, look_.name);
    const qreal x = content.left() + nameWidth + spacing;
    if (look_.dealer) {
        const qreal size = dealerBadgeSize();
        const QRectF badge(x, content.center().y() - size / 2, size, size);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.accent);
        painter.drawEllipse(badge);
        painter.setFont(dealerFont());
        painter.setPen(palette.onAccent);
        painter.drawText(badge, Qt::AlignCenter, QStringLiteral("D"));
    }
}

void ReplaySeatRow::paintCards(QPainter& painter, const QRectF& content, qreal right) const {
    const Palette& palette = context_.palette();
    if (look_.cards) {
        painter.setFont(cardFont());
        const QFontMetricsF metrics(cardFont());
        qreal x = right;
        for (auto it = look_.cards->rbegin(); it != look_.cards->rend(); ++it) {
            const qreal w = metrics.horizontalAdvance(it->text);
            painter.setPen(it->color);
            painter.drawText(QRectF(x - w - 1, content.top(), w + 1, content.height()),
                             Qt::AlignRight | Qt::AlignVCenter, it->text);
            x -= w + spacing;
        }
        return;
    }
    const qreal top = content.center().y() - backSize.height() / 2;
    for (int i = 0; i < 2; ++i) {
        const qreal left = right - (2 - i) * backSize.width() - (1 - i) * backSpacing;
        const QRectF back(QPointF(left, top), backSize);
        fillRoundedRect(painter, back, backRadius, palette.cardBack);
        strokeRoundedRectInside(painter, back, backRadius, palette.cardBorder, backBorderWidth);
    }
}

}  // namespace pellox::app
