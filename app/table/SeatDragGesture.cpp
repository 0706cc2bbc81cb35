#include "table/SeatDragGesture.hpp"

#include <QLineF>
#include <algorithm>

#include "table/PlayerSeatView.hpp"
#include "table/SeatAnimation.hpp"

namespace pellox::app {

void SeatDragGesture::press(QPointF position, double time) {
    pressed_ = true;
    dragging_ = false;
    start_ = position;
    samples_.clear();
    record(position, time);
}

void SeatDragGesture::record(QPointF position, double time) {
    samples_.push_back({position, time});
    std::erase_if(samples_, [&](const Sample& s) { return time - s.time > velocityWindow; });
    if (QLineF(start_, position).length() >= PlayerSeatView::dragMinimumDistance) dragging_ = true;
}

void SeatDragGesture::move(QPointF position, double time, SeatAnimation& seat, bool canFold) {
    if (!pressed_) return;
    record(position, time);
    if (dragging_) seat.dragChanged(translation().y(), canFold);
}

SeatDragGesture::Release SeatDragGesture::release(QPointF position, double time, SeatAnimation& seat,
                                                  bool canFold, bool reduceMotion) {
    if (!pressed_) return Release::tap;
    record(position, time);
    bool wasDragging = dragging_;
    pressed_ = false;
    dragging_ = false;
    if (!wasDragging) return Release::tap;
    bool folds =
        seat.dragEnded(translation().y(), predictedEndTranslation().y(), canFold, time, reduceMotion);
    return folds ? Release::folded : Release::snappedBack;
}

void SeatDragGesture::cancel() {
    pressed_ = false;
    dragging_ = false;
    samples_.clear();
}

QPointF SeatDragGesture::translation() const {
    if (samples_.empty()) return {};
    return samples_.back().position - start_;
}

QPointF SeatDragGesture::predictedEndTranslation() const {
    if (samples_.size() < 2) return translation();
    const Sample& first = samples_.front();
    const Sample& last = samples_.back();
    double dt = last.time - first.time;
    if (dt <= 0) return translation();
    QPointF velocity = (last.position - first.position) / dt;
    return translation() + velocity * predictionHorizon;
}

}  // namespace pellox::app
