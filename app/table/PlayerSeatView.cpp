#include "table/PlayerSeatView.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "kit/Fonts.hpp"
#include "kit/MoneyText.hpp"
#include "kit/Painting.hpp"
#include "kit/PictureCache.hpp"
#include "kit/PlayingCardView.hpp"
#include "kit/TextFit.hpp"
#include "rules/Player.hpp"
#include "strategy/MadeHandAssessment.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr double spacing = 2;
constexpr double paddingY = 6;
constexpr double paddingX = 4;
constexpr double cornerRadius = 12;  // not scaled
constexpr double borderWidth = 1;
constexpr double highlightWidth = 2;
constexpr double actingBorderOpacity = 0.9;
constexpr double glowRadius = 12;
constexpr double foldedOpacity = 0.55;
constexpr double cardSpacing = 3;
constexpr double placeholderRadius = 6;  // not scaled
constexpr double nameSize = 12;
constexpr double positionSize = 10;
constexpr int positionMaxLines = 2;
constexpr double stackSize = 13;
constexpr double badgeSlotHeight = 18;
constexpr double pillTextSize = 9.5;
constexpr double pillMinScale = 0.7;
constexpr double pillPaddingX = 6;
constexpr double pillPaddingY = 2;
constexpr double dealerButtonSize = 18;
constexpr double dealerTextSize = 10;
constexpr double dealerOverhang = 6;
constexpr double winnerTextSize = 13;
constexpr double winnerPaddingX = 8;
constexpr double winnerPaddingY = 3;
constexpr double winnerLift = 14;
constexpr double maxWinnerLift = 8;  // points, whatever the scale
constexpr double winnerBadgeMinScale = 0.00001;
constexpr double undealtTilt = -12;  // degrees

}  // namespace
namespace {

// A blur reaches a little past twice its radius at small sizes: room enough that no shadow is cut.
constexpr double shadowSlack = 5;
// Two pictures a seat, for a handful of states per seat, in four themes.
constexpr qsizetype pictureCapacity = 256;

std::optional<QString> madeHandText(const Player& player, std::span<const Card> board) {
    if (board.size() < 3) return std::nullopt;
    auto label = MadeHandAssessment::label(player.holeCards, board);
    if (!label) return std::nullopt;
    return QString::fromStdString(*label);
}

// The size of a wrapped text: as wide as its widest line, at most `maxLines` high (0: no limit).
QRectF wrappedBlock(const QFont& font, const QString& text, double width, int maxLines) {
    QFontMetricsF metrics(font);
    QRectF bounds = metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text);
    double height = bounds.height();
    if (maxLines > 0) height = std::min(height, metrics.lineSpacing() * maxLines);
    return {0, 0, std::max(bounds.width(), 0.0), height};
}

}  // namespace

struct PlayerSeatView::Lines {
    QFont nameFont;
    QFont positionFont;
    QFont stackFont;
    QRectF name;  // sizes only: the rows are stacked from `top`
    QRectF position;
    double stackHeight = 0;
    double top = 0;
};

bool PlayerSeatView::holeCardsHidden() const {
    return player.isBot && !revealHoleCards;
}

bool PlayerSeatView::faceUp() const {
    return !player.isBot || revealHoleCards;
}

std::optional<PlayerSeatView::StatusPill> PlayerSeatView::statusBadge(const Palette& palette) const {
    if (player.hasFolded) return StatusPill{QStringLiteral("Folded"), palette.seatEmpty, palette.textMuted};
    if (player.isAllIn) return StatusPill{QStringLiteral("All In"), palette.allInBtn, Qt::white};
    if (player.streetContribution >= 1)
        return StatusPill{moneyText(player.streetContribution), palette.success, Qt::white};
    if (holeCardsHidden()) return std::nullopt;
    if (auto made = madeHandText(player, board)) return StatusPill{*made, palette.accentSoft, palette.accent};
    return std::nullopt;
}

PlayerSeatView::Border PlayerSeatView::border(const Palette& palette) const {
    if (winnerAmount) return {palette.accent, highlightWidth};
    if (isActing) return {withOpacity(palette.accent, actingBorderOpacity), highlightWidth};
    return {palette.border, borderWidth};
}

QString PlayerSeatView::positionText() const {
    // An eliminated player keeps the position of their last hand, which another seat now holds.
    if (player.isEliminated) return {};
    return QString::fromLatin1(displayName(player.position).data(),
                               static_cast<qsizetype>(displayName(player.position).size()));
}

QString PlayerSeatView::stackText() const {
    return moneyText(player.stack - heldBackWinnings);
}

std::optional<QString> PlayerSeatView::winnerText() const {
    if (!winnerAmount) return std::nullopt;
    return winnerText(*winnerAmount);
}

QString PlayerSeatView::winnerText(std::int64_t amount) {
    return QStringLiteral("+") + moneyText(amount);
}

QString PlayerSeatView::accessibilityDescription() const {
    QStringList parts{QString::fromStdString(player.name)};
    if (!player.isEliminated) parts << positionText();
    parts << stackText();
    if (!holeCardsHidden()) {
        auto shown = static_cast<std::size_t>(
            std::clamp<std::int64_t>(cardsLanded, 0, static_cast<std::int64_t>(player.holeCards.size())));
        if (shown > 0) {
            QStringList names;
            for (std::size_t i = 0; i < shown; ++i)
                names << spokenName(player.holeCards[i]);
            parts << (player.isBot ? QStringLiteral("showing ") : QStringLiteral("holding ")) +
                         names.join(QStringLiteral(" and "));
        }
        if (auto made = madeHandText(player, board)) parts << *made;
    }
    if (player.hasFolded) parts << QStringLiteral("folded");
    if (player.isAllIn) parts << QStringLiteral("all in");
    if (player.streetContribution >= 1)
        parts << QStringLiteral("bet ") + moneyText(player.streetContribution);
    if (winnerAmount) parts << QStringLiteral("won ") + moneyText(*winnerAmount);
    if (isDealer && (player.isEliminated || player.position != Position::btn))
        parts << QStringLiteral("has the button");
    if (isActing) parts << QStringLiteral("acting now");
    return parts.join(QStringLiteral(", "));
}

double PlayerSeatView::winnerBadgeLift(double scale) {
    return std::min(winnerLift * scale, maxWinnerLift);
}

QRectF PlayerSeatView::frame(const QRectF& box) const {
    return box.translated(0, dragOffset);
}

QRectF PlayerSeatView::dealerButtonRect(const QRectF& box) const {
    QRectF seat = frame(box);
    double size = dealerButtonSize * scale;
    double overhang = dealerOverhang * scale;
    return {seat.right() - size + overhang, seat.top() - overhang, size, size};
}

QRectF PlayerSeatView::winnerBadgeRect(const QRectF& box) const {
    return winnerBadgeRect(box, winnerAmount.value_or(0));
}

QRectF PlayerSeatView::winnerBadgeRect(const QRectF& box, std::int64_t amount) const {
    QRectF seat = frame(box);
    QString text = winnerText(amount);
    QFontMetricsF metrics(fixedFont(winnerTextSize * scale, FontWeight::black, FontDesign::rounded));
    double width = metrics.horizontalAdvance(text) + 2 * winnerPaddingX * scale;
    double height = metrics.height() + 2 * winnerPaddingY * scale;
    return {seat.center().x() - width / 2, seat.top() - winnerBadgeLift(scale), width, height};
}

QPointF PlayerSeatView::holeCardCentre(const QRectF& box, std::size_t index) const {
    double height = PlayingCardView::frameSize(PlayingCardView::CardSize::seat, scale).height();
    return {holeCardX(box, index), lines(box).top + height / 2};
}

double PlayerSeatView::holeCardX(const QRectF& box, std::size_t index) const {
    double width = PlayingCardView::frameSize(PlayingCardView::CardSize::seat, scale).width();
    double count = static_cast<double>(std::max<std::size_t>(player.holeCards.size(), 2));
    double rowWidth = count * width + (count - 1) * cardSpacing * scale;
    double left = frame(box).center().x() - rowWidth / 2;
    return left + width / 2 + static_cast<double>(index) * (width + cardSpacing * scale);
}

std::optional<double> PlayerSeatView::dragChanged(double translationY, bool canFold) {
    if (!canFold || translationY >= 0) return std::nullopt;
    return translationY;
}

PlayerSeatView::DragEnd PlayerSeatView::dragEnded(double translationY, double predictedEndY, bool canFold) {
    double dy = std::min(translationY, predictedEndY);
    if (canFold && dy < foldThreshold) return {true, flingOffset(dy)};
    return {false, 0};
}

double PlayerSeatView::flingOffset(double dy) {
    return std::min(dy * flingFactor, minimumFling);
}

PlayerSeatView::Lines PlayerSeatView::lines(const QRectF& box) const {
    Lines l;
    l.nameFont = fixedFont(nameSize * scale, FontWeight::bold);
    l.positionFont = fixedFont(positionSize * scale, FontWeight::medium);
    l.stackFont = fixedFont(stackSize * scale, FontWeight::heavy, FontDesign::rounded);
    double width = box.width() - 2 * paddingX * scale;
    l.name = wrappedBlock(l.nameFont, QString::fromStdString(player.name), width, 0);
    l.position = wrappedBlock(l.positionFont, positionText(), width, positionMaxLines);
    l.stackHeight = QFontMetricsF(l.stackFont).height();
    double cards = PlayingCardView::frameSize(PlayingCardView::CardSize::seat, scale).height();
    double content = cards + l.name.height() + l.position.height() + l.stackHeight + badgeSlotHeight * scale +
                     4 * spacing * scale;
    QRectF seat = frame(box);
    double inner = seat.height() - 2 * paddingY * scale;
    l.top = seat.top() + paddingY * scale + (inner - content) / 2;
    return l;
}

void PlayerSeatView::paint(QPainter& painter, const QRectF& box, const Palette& palette,
                           std::span<const CardPose> cards) const {
    std::optional<WinnerBadgePose> badge;
    if (winnerAmount) badge = WinnerBadgePose{*winnerAmount, 1};
    paint(painter, box, palette, cards, badge);
}

void PlayerSeatView::paint(QPainter& painter, const QRectF& box, const Palette& palette,
                           std::span<const CardPose> cards, std::optional<WinnerBadgePose> badge) const {
    static PictureCache pictures(pictureCapacity);
    painter.save();
    if (player.hasFolded) painter.setOpacity(painter.opacity() * foldedOpacity);
    Lines l = lines(box);
    QRectF seat = frame(box);
    double glow = isActing ? 2 * glowRadius + shadowSlack : 1;
    // Layout clamps seat boxes in a small window, so the box's size is part of both names.
    QByteArray size =
        ':' + QByteArray::number(box.width(), 'f', 2) + 'x' + QByteArray::number(box.height(), 'f', 2);
    pictures.draw(painter, backKey(palette, l.top - seat.top()) + size,
                  seat.adjusted(-glow, -glow, glow, glow),
                  [&](QPainter& p) { paintBackground(p, box, l.top, palette); });
    paintHoleCards(painter, box, l.top, palette, cards);
    QRectF front = seat;
    if (isDealer) front = front.united(dealerButtonRect(box));
    pictures.draw(painter, frontKey(palette) + size, front.adjusted(-1, -1, 1, 1),
                  [&](QPainter& p) { paintInfo(p, box, l, palette); });
    // Drawn apart from the picture, as it scales and fades on its way.
    if (badge && badge->presence > 0) paintWinnerBadge(painter, box, palette, *badge);
    painter.restore();
}

QByteArray PlayerSeatView::backKey(const Palette& palette, double cardsDown) const {
    Border b = border(palette);
    QByteArray key = "seat:" + QByteArray::number(scale, 'f', 4) + ':' +
                     QByteArray::number(palette.panel.rgba()) + ':' + QByteArray::number(b.color.rgba()) +
                     ':' + QByteArray::number(b.width);
    if (isActing) key += ":glow:" + QByteArray::number(palette.glow.rgba());
    if (player.holeCards.empty()) {
        key += ":empty:" + QByteArray::number(palette.seatEmpty.rgba()) + ':' +
               QByteArray::number(cardsDown, 'f', 2);
    }
    return key;
}

QByteArray PlayerSeatView::frontKey(const Palette& palette) const {
    QByteArray key =
        "info:" + QByteArray::number(scale, 'f', 4) + ':' + QByteArray::fromStdString(player.name) + ':' +
        QByteArray::number(static_cast<int>(player.position)) + ':' + stackText().toUtf8() + ':' +
        QByteArray::number((player.hasFolded ? palette.textMuted : palette.text).rgba()) + ':' +
        QByteArray::number(palette.textMuted.rgba()) + ':' + QByteArray::number(palette.accent.rgba());
    if (auto pill = statusBadge(palette)) {
        key += ":pill:" + pill->text.toUtf8() + ':' + QByteArray::number(pill->fill.rgba()) + ':' +
               QByteArray::number(pill->textColor.rgba());
    }
    if (isDealer) key += ":dealer:" + QByteArray::number(palette.onAccent.rgba());
    return key;
}

void PlayerSeatView::paintInfo(QPainter& painter, const QRectF& box, const Lines& l,
                               const Palette& palette) const {
    QRectF seat = frame(box);
    double y =
        l.top + PlayingCardView::frameSize(PlayingCardView::CardSize::seat, scale).height() + spacing * scale;
    double centreX = seat.center().x();
    painter.setPen(player.hasFolded ? palette.textMuted : palette.text);
    painter.setFont(l.nameFont);
    painter.drawText(QRectF(centreX - l.name.width() / 2, y, l.name.width(), l.name.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromStdString(player.name));
    y += l.name.height() + spacing * scale;

    painter.setPen(palette.textMuted);
    painter.setFont(l.positionFont);
    painter.drawText(QRectF(centreX - l.position.width() / 2, y, l.position.width(), l.position.height()),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, positionText());
    y += l.position.height() + spacing * scale;

    painter.setPen(palette.accent);
    painter.setFont(l.stackFont);
    painter.drawText(QRectF(seat.left(), y, seat.width(), l.stackHeight),
                     Qt::AlignCenter | Qt::TextSingleLine, stackText());
    y += l.stackHeight + spacing * scale;

    paintStatusPill(painter,
                    QRectF(seat.left() + paddingX * scale, y, seat.width() - 2 * paddingX * scale,
                           badgeSlotHeight * scale),
                    palette);
    if (isDealer) paintDealerButton(painter, box, palette);
}

void PlayerSeatView::paintBackground(QPainter& painter, const QRectF& box, double cardsTop,
                                     const Palette& palette) const {
    QRectF seat = frame(box);
    if (isActing) paintShadow(painter, roundedRectPath(seat, cornerRadius), palette.glow, glowRadius);
    fillRoundedRect(painter, seat, cornerRadius, palette.panel);
    Border b = border(palette);
    strokeRoundedRectInside(painter, seat, cornerRadius, b.color, b.width);
    if (!player.holeCards.empty()) return;
    QSizeF size = PlayingCardView::frameSize(PlayingCardView::CardSize::seat, scale);
    for (std::size_t i = 0; i < 2; ++i) {
        QPointF centre(holeCardX(box, i), cardsTop + size.height() / 2);
        fillRoundedRect(painter, QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size),
                        placeholderRadius, palette.seatEmpty);
    }
}

void PlayerSeatView::paintHoleCards(QPainter& painter, const QRectF& box, double top, const Palette& palette,
                                    std::span<const CardPose> cards) const {
    QSizeF size = PlayingCardView::frameSize(PlayingCardView::CardSize::seat, scale);
    for (std::size_t i = 0; i < player.holeCards.size(); ++i) {
        CardPose pose = i < cards.size() ? cards[i] : CardPose{1, {0, faceUp()}};
        if (pose.landing <= 0) continue;  // still at the deal origin, invisible
        double away = 1 - pose.landing;
        QPointF centre = QPointF(holeCardX(box, i), top + size.height() / 2) + dealOrigin * away;
        painter.save();
        painter.setOpacity(painter.opacity() * std::min(pose.landing, 1.0));
        painter.translate(centre);
        if (away != 0) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.rotate(undealtTilt * away);
        }
        FlippableCardView(player.holeCards[i], fourColor, scale, pose.flip)
            .paint(painter, QPointF(0, 0), palette);
        painter.restore();
    }
}

void PlayerSeatView::paintStatusPill(QPainter& painter, const QRectF& slot, const Palette& palette) const {
    auto pill = statusBadge(palette);
    if (!pill) return;
    QFont font = fixedFont(pillTextSize * scale, FontWeight::bold);
    double padX = pillPaddingX * scale;
    FittedText fitted = fitText(pill->text, font, slot.width() - 2 * padX, pillMinScale);
    QFontMetricsF metrics(fitted.font);
    double width = metrics.horizontalAdvance(fitted.text) + 2 * padX;
    double height = metrics.height() + 2 * pillPaddingY * scale;
    QRectF capsule(slot.center().x() - width / 2, slot.center().y() - height / 2, width, height);
    fillCapsule(painter, capsule, pill->fill);
    painter.setPen(pill->textColor);
    painter.setFont(fitted.font);
    painter.drawText(capsule, Qt::AlignCenter | Qt::TextSingleLine, fitted.text);
}

void PlayerSeatView::paintDealerButton(QPainter& painter, const QRectF& box, const Palette& palette) const {
    QRectF button = dealerButtonRect(box);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.accent);
    painter.drawEllipse(button);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(palette.onAccent);
    painter.setFont(fixedFont(dealerTextSize * scale, FontWeight::black));
    painter.drawText(button, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("D"));
}

// Comes and goes by scaling about its centre from (almost) nothing, fading.
void PlayerSeatView::paintWinnerBadge(QPainter& painter, const QRectF& box, const Palette& palette,
                                      const WinnerBadgePose& pose) const {
    const QRectF badge = winnerBadgeRect(box, pose.amount);
    const double grow = winnerBadgeMinScale + (1 - winnerBadgeMinScale) * pose.presence;
    painter.save();
    painter.setOpacity(painter.opacity() * std::clamp(pose.presence, 0.0, 1.0));
    painter.translate(badge.center());
    painter.scale(grow, grow);
    const QRectF r = badge.translated(-badge.center());
    fillCapsule(painter, r, palette.accent);
    painter.setPen(palette.onAccent);
    painter.setFont(fixedFont(winnerTextSize * scale, FontWeight::black, FontDesign::rounded));
    painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, winnerText(pose.amount));
    painter.restore();
}

}  // namespace pellox::app
