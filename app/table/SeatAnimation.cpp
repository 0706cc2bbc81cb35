#include "table/SeatAnimation.hpp"

#include <QEasingCurve>
#include <algorithm>

#include "kit/Motion.hpp"

namespace pellox::app {
namespace {

// The card glide keeps a response of its own even when the flight takes no time.
constexpr double minimumGlideResponse = 0.01;
constexpr double landingDamping = 1;

double landedValue(std::size_t index, std::int64_t cardsLanded) {
    return static_cast<std::int64_t>(index) < cardsLanded ? 1.0 : 0.0;
}

}  // namespace

double SeatAnimation::Glide::position(double now) const {
    if (from == to) return to;
    return from + (to - from) * spring.position(now - start);
}

double SeatAnimation::DragMotion::position(double now) const {
    const Spring snapBack{PlayerSeatView::snapBackResponse, PlayerSeatView::snapBackDamping};
    double elapsed = now - start;
    if (returns && elapsed >= duration) {
        const double back = elapsed - duration;
        if (back >= returnDuration) return 0;
        return to - to * snapBack.position(back);
    }
    if (duration <= 0 || elapsed >= duration) return to;
    double t = std::max(elapsed, 0.0);
    if (springs) return from + (to - from) * snapBack.position(t);
    static const QEasingCurve easeOut = Motion::easeOut();
    return from + (to - from) * easeOut.valueForProgress(t / duration);
}

void SeatAnimation::startOver(std::span<const Card> holeCards, bool faceUp, std::int64_t cardsLanded) {
    holeCards_.assign(holeCards.begin(), holeCards.end());
    cards_.clear();
    for (std::size_t i = 0; i < holeCards.size(); ++i) {
        double landed = landedValue(i, cardsLanded);
        cards_.push_back({FlippableCardView::FlipState(faceUp), Glide{landed, landed, 0, {}}});
    }
    drag_ = {};
}

void SeatAnimation::update(std::span<const Card> holeCards, bool faceUp, std::int64_t cardsLanded,
                           double flightDuration, double flipDuration, double now) {
    if (!std::equal(holeCards.begin(), holeCards.end(), holeCards_.begin(), holeCards_.end())) {
        startOver(holeCards, faceUp, cardsLanded);
        return;
    }
    Spring glide{std::max(flightDuration, minimumGlideResponse), landingDamping};
    for (std::size_t i = 0; i < cards_.size(); ++i) {
        CardMotion& card = cards_[i];
        card.flip.flip(faceUp, now, flipDuration);
        double target = landedValue(i, cardsLanded);
        if (target != card.landing.to) card.landing = Glide{card.landing.position(now), target, now, glide};
    }
}

std::vector<PlayerSeatView::CardPose> SeatAnimation::cardPoses(double now) const {
    std::vector<PlayerSeatView::CardPose> poses;
    poses.reserve(cards_.size());
    for (const CardMotion& card : cards_)
        poses.push_back({card.landing.position(now), card.flip.pose(now)});
    return poses;
}

double SeatAnimation::dragOffset(double now) const {
    return drag_.position(now);
}

void SeatAnimation::dragChanged(double translationY, bool canFold) {
    if (auto offset = PlayerSeatView::dragChanged(translationY, canFold))
        drag_ = {*offset, *offset, 0, 0, false};
}

bool SeatAnimation::dragEnded(double translationY, double predictedEndY, bool canFold, double now,
                              bool reduceMotion) {
    PlayerSeatView::DragEnd end = PlayerSeatView::dragEnded(translationY, predictedEndY, canFold);
    double from = drag_.position(now);
    Spring snapBack{PlayerSeatView::snapBackResponse, PlayerSeatView::snapBackDamping};
    const double settle = Motion::milliseconds(snapBack.settleDuration(), reduceMotion) / 1000.0;
    if (end.folds) {
        const double fling = Motion::milliseconds(PlayerSeatView::flingDuration, reduceMotion) / 1000.0;
        drag_ = {from, end.offset, now, fling, false, settle, true};
    } else {
        drag_ = {from, 0, now, settle, true};
    }
    return end.folds;
}

bool SeatAnimation::isAnimating(double now) const {
    if (now < drag_.end()) return true;
    return std::any_of(cards_.begin(), cards_.end(), [now](const CardMotion& card) {
        return card.flip.isFlipping(now) || card.landing.position(now) != card.landing.to;
    });
}

}  // namespace pellox::app
