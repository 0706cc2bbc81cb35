#include "review/ReplayCursor.hpp"

#include <algorithm>
#include <cmath>

#include "store/HandRecord.hpp"

namespace pellox::app {

ReplayCursor::ReplayCursor(std::int64_t stepCount, std::int64_t start)
    : stepCount_(std::max<std::int64_t>(0, stepCount)) {
    moveTo(start);
}

void ReplayCursor::moveTo(std::int64_t step) {
    cursor_ = std::clamp<std::int64_t>(step, 0, lastStepIndex());
}

QString ReplayCursor::stepText() const {
    return QStringLiteral("Step %1 of %2").arg(cursor_ + 1).arg(std::max<std::int64_t>(stepCount_, 1));
}

bool ReplayCursor::isEnabled(TransportButton button) const {
    switch (button) {
        case TransportButton::first:
        case TransportButton::previous:
            return cursor_ > 0;
        case TransportButton::playPause:
        case TransportButton::next:
        case TransportButton::last:
            return cursor_ < lastStepIndex();
    }
    return false;
}

void ReplayCursor::press(TransportButton button) {
    if (!isEnabled(button)) return;
    if (button == TransportButton::playPause) {
        playing_ = !playing_;
        return;
    }
    playing_ = false;
    switch (button) {
        case TransportButton::first:
            moveTo(0);
            break;
        case TransportButton::previous:
            moveTo(cursor_ - 1);
            break;
        case TransportButton::next:
            moveTo(cursor_ + 1);
            break;
        case TransportButton::last:
            moveTo(lastStepIndex());
            break;
        case TransportButton::playPause:
            break;
    }
}

void ReplayCursor::moveSlider(double value) {
    if (!std::isfinite(value)) return;
    moveTo(
        static_cast<std::int64_t>(std::round(std::clamp(value, 0.0, static_cast<double>(sliderMaximum())))));
}

bool ReplayCursor::autoplayShouldWait() {
    if (!playing_) return false;
    if (cursor_ >= lastStepIndex()) {
        playing_ = false;
        return false;
    }
    return true;
}

bool ReplayCursor::autoplayAdvance() {
    if (!playing_) return false;
    // The slider may have reached the end during the wait.
    if (cursor_ >= lastStepIndex()) {
        playing_ = false;
        return false;
    }
    moveTo(cursor_ + 1);
    return true;
}

std::vector<std::int64_t> stepEventIndices(const HandRecord& record) {
    std::vector<std::int64_t> steps;
    for (std::size_t i = 0; i < record.events.size(); ++i) {
        const EngineEvent& event = record.events[i];
        if (!event.is<EngineEvent::HandStarted>() && !event.is<EngineEvent::HoleCardsDealt>())
            steps.push_back(static_cast<std::int64_t>(i));
    }
    if (steps.empty())
        for (std::size_t i = 0; i < record.events.size(); ++i)
            steps.push_back(static_cast<std::int64_t>(i));
    return steps;
}

std::string_view transportSymbolName(TransportButton button, bool playing) {
    switch (button) {
        case TransportButton::first:
            return "backward.end.fill";
        case TransportButton::previous:
            return "chevron.left";
        case TransportButton::playPause:
            return playing ? "pause.fill" : "play.fill";
        case TransportButton::next:
            return "chevron.right";
        case TransportButton::last:
            return "forward.end.fill";
    }
    return {};
}

QString transportLabel(TransportButton button, bool playing) {
    switch (button) {
        case TransportButton::first:
            return QStringLiteral("First step");
        case TransportButton::previous:
            return QStringLiteral("Previous step");
        case TransportButton::playPause:
            return playing ? QStringLiteral("Pause") : QStringLiteral("Play");
        case TransportButton::next:
            return QStringLiteral("Next step");
        case TransportButton::last:
            return QStringLiteral("Last step");
    }
    return {};
}

}  // namespace pellox::app
