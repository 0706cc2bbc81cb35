#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "kit/Spring.hpp"
#include "rules/Card.hpp"
#include "table/FlippableCardView.hpp"
#include "table/PlayerSeatView.hpp"

namespace pellox::app {

// A seat's motion as plain numbers of time: each hole card gliding in from the deal origin and turning
// over, and the seat's drag offset. The felt keeps one per seat, brings it up to date with the seat's
// inputs at every refresh, and asks it for the poses of the moment it paints. Times are seconds on the
// felt's monotonic clock.
class SeatAnimation {
  public:
    // New hole cards (the next hand, or none) start everything over without animation: each card flat on
    // the side it should show, where its landing puts it, and the seat back at rest. A bot's new cards
    // therefore never show the face its last hand's cards were revealed with. Otherwise a change of side
    // turns the cards over and a change of landed glides them.
    void update(std::span<const Card> holeCards, bool faceUp, std::int64_t cardsLanded, double flightDuration,
                double flipDuration, double now);

    std::vector<PlayerSeatView::CardPose> cardPoses(double now) const;
    double dragOffset(double now) const;

    // The pointer moved: an upward drag on a seat that may fold moves the seat with it.
    void dragChanged(double translationY, bool canFold);
    // The pointer let go. True when the seat folds: it flies up (ease-out), the caller folds at once, and
    // once the fling has played the seat springs back to its box, so a folded seat never hangs over the
    // pot, the board or the banner; otherwise it springs back to rest. Under reduce motion both land at once.
    bool dragEnded(double translationY, double predictedEndY, bool canFold, double now, bool reduceMotion);

    // Something still moves: the owner keeps its frame clock running.
    bool isAnimating(double now) const;

  private:
    struct Glide {
        double from = 0;
        double to = 0;
        double start = 0;
        Spring spring;
        double position(double now) const;
    };
    struct CardMotion {
        FlippableCardView::FlipState flip;
        Glide landing;
    };
    struct DragMotion {
        double from = 0;
        double to = 0;
        double start = 0;
        double duration = 0;
        bool springs = false;
        // After the motion, springs from `to` back to rest over this many seconds.
        double returnDuration = 0;
        bool returns = false;
        double position(double now) const;
        double end() const { return start + duration + returnDuration; }
    };

    void startOver(std::span<const Card> holeCards, bool faceUp, std::int64_t cardsLanded);

    std::vector<Card> holeCards_;
    std::vector<CardMotion> cards_;
    DragMotion drag_;
};

}  // namespace pellox::app
