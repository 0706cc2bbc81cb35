#include "table/FlippableCardView.hpp"

#include <QPainter>
#include <QTransform>
#include <cmath>
#include <numbers>

#include "kit/Motion.hpp"
#include "kit/PlayingCardView.hpp"

namespace pellox::app {
namespace {

constexpr double edgeOn = 90;
// Below this share of its width the turning card is a sliver not worth drawing.
constexpr double edgeOnLimit = 0.001;

double easeIn(double t) {
    static const QEasingCurve curve = Motion::easeIn();
    return curve.valueForProgress(t);
}

double easeOut(double t) {
    static const QEasingCurve curve = Motion::easeOut();
    return curve.valueForProgress(t);
}

}  // namespace

FlippableCardView::FlipState::FlipState(bool faceUp) : fromFace_(faceUp), toFace_(faceUp) {}

void FlippableCardView::FlipState::flip(bool newFaceUp, double now, double flipDuration) {
    if (newFaceUp == toFace_) return;
    Pose current = pose(now);
    toFace_ = newFaceUp;
    if (flipDuration <= 0) {
        fromFace_ = newFaceUp;
        startAngle_ = 0;
        duration_ = 0;
        return;
    }
    fromFace_ = current.showingFace;
    startAngle_ = current.angle;
    start_ = now;
    duration_ = flipDuration;
}

FlippableCardView::Pose FlippableCardView::FlipState::pose(double now) const {
    double elapsed = now - start_;
    if (duration_ <= 0 || elapsed >= duration_) return {0, toFace_};
    double half = duration_ * 0.5;
    if (elapsed < half) {
        double t = std::max(elapsed, 0.0) / half;
        return {startAngle_ + (edgeOn - startAngle_) * easeIn(t), fromFace_};
    }
    return {-edgeOn * (1 - easeOut((elapsed - half) / half)), toFace_};
}

bool FlippableCardView::FlipState::isFlipping(double now) const {
    return duration_ > 0 && now - start_ < duration_;
}

FlippableCardView::FlippableCardView(const Card& card, bool fourColor, double scale, Pose pose)
    : card_(card), fourColor_(fourColor), scale_(scale), pose_(pose) {}

QTransform FlippableCardView::turn(double angle, double depth) {
    double radians = angle * std::numbers::pi / 180;
    double perspective = depth > 0 ? -std::sin(radians) / depth : 0;
    return QTransform(std::cos(radians), 0, perspective, 0, 1, 0, 0, 0, 1);
}

void FlippableCardView::paint(QPainter& painter, QPointF centre, const Palette& palette) const {
    if (std::abs(std::cos(pose_.angle * std::numbers::pi / 180)) < edgeOnLimit) return;
    PlayingCardView card(pose_.showingFace ? std::optional<Card>(card_) : std::nullopt,
                         PlayingCardView::CardSize::seat, fourColor_, scale_);
    QSizeF size = card.size();
    painter.save();
    painter.translate(centre);
    if (pose_.angle != 0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setTransform(turn(pose_.angle, std::max(size.width(), size.height())), true);
    }
    card.paint(painter, QPointF(0, 0), palette);
    painter.restore();
}

}  // namespace pellox::app
