#pragma once
#include <QPointF>
#include <QTransform>

#include "rules/Card.hpp"

class QPainter;

namespace pellox::app {

struct Palette;

// A hole card that turns over about its vertical axis, swapping its side when it is edge-on.
class FlippableCardView {
  public:
    // The card's side and angle at a moment.
    struct Pose {
        double angle = 0;  // degrees about the vertical axis; ±90 is edge-on
        bool showingFace = false;
        friend bool operator==(const Pose&, const Pose&) = default;
    };

    // The turn-over as a function of time: a flip records where it starts and where it goes, and the pose
    // of any later moment follows from the seconds elapsed. The owner of the clock keeps one per card.
    class FlipState {
      public:
        // As the card is first shown: showing the side it should, flat, and no flip from it.
        explicit FlipState(bool faceUp = false);

        // A change of the side the card should show. The first half turns the card edge-on from wherever it
        // is, the second brings the new side flat; a duration of 0 swaps at once. Same side: nothing.
        void flip(bool newFaceUp, double now, double flipDuration);

        Pose pose(double now) const;
        bool isFlipping(double now) const;
        bool faceUp() const { return toFace_; }

      private:
        bool fromFace_;
        bool toFace_;
        double startAngle_ = 0;
        double start_ = 0;
        double duration_ = 0;
    };

    FlippableCardView(const Card& card, bool fourColor, double scale, Pose pose);

    // Draws the seat-size card centred on `centre`, squeezed across as it turns.
    void paint(QPainter& painter, QPointF centre, const Palette& palette) const;

    // The turn about the vertical axis through the origin, seen with a vanishing point `depth` away (the
    // card's larger side, so a turning card's near edge grows as a real one would).
    static QTransform turn(double angle, double depth);

  private:
    Card card_;
    bool fourColor_;
    double scale_;
    Pose pose_;
};

}  // namespace pellox::app
