#pragma once
#include <QPointF>
#include <vector>

namespace pellox::app {

class SeatAnimation;

// The human seat's drag up to fold, fed with the felt's pointer events (positions in the felt's space,
// times in seconds). A press that never travels the minimum distance is a tap, left to the felt. Where
// a release was heading is the translation carried on by the pointer's recent velocity for a short glide,
// so a quick flick folds as a long pull does.
class SeatDragGesture {
  public:
    enum class Release { tap, snappedBack, folded };

    static constexpr double velocityWindow = 0.1;      // seconds of pointer history the velocity reads
    static constexpr double predictionHorizon = 0.25;  // seconds the pointer is assumed to carry on

    void press(QPointF position, double time);
    // Moves the seat with an upward drag once the pointer has gone the minimum distance.
    void move(QPointF position, double time, SeatAnimation& seat, bool canFold);
    // Ends the gesture. On `folded` the caller folds at once.
    Release release(QPointF position, double time, SeatAnimation& seat, bool canFold, bool reduceMotion);
    // A press that will not be released here (the seat went away, the window lost the pointer).
    void cancel();

    bool isPressed() const { return pressed_; }
    bool isDragging() const { return dragging_; }
    QPointF translation() const;
    QPointF predictedEndTranslation() const;

  private:
    struct Sample {
        QPointF position;
        double time;
    };
    void record(QPointF position, double time);

    bool pressed_ = false;
    bool dragging_ = false;
    QPointF start_;
    std::vector<Sample> samples_;
};

}  // namespace pellox::app
