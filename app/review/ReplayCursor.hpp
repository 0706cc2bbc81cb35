#pragma once
#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

namespace pellox {
struct HandRecord;
}

namespace pellox::app {

// The five transport buttons of the replay, in their order on screen.
enum class TransportButton { first, previous, playPause, next, last };

// The replay's position among its steps and whether it plays on by itself. The position never leaves
// 0 ... lastStepIndex(): a slider moved past the last step, or a step of the autoplay that comes due after
// the slider reached the end, stops there.
class ReplayCursor {
  public:
    // Autoplay moves one step each interval.
    static constexpr double autoplaySeconds = 0.9;

    explicit ReplayCursor(std::int64_t stepCount, std::int64_t start = 0);

    std::int64_t stepCount() const noexcept { return stepCount_; }
    std::int64_t lastStepIndex() const noexcept { return stepCount_ > 0 ? stepCount_ - 1 : 0; }
    std::int64_t cursor() const noexcept { return cursor_; }
    bool isPlaying() const noexcept { return playing_; }

    // "Step x of n", counting from 1; n is at least 1.
    QString stepText() const;
    // The slider spans 0 ... this (at least 1).
    std::int64_t sliderMaximum() const noexcept { return (stepCount_ > 2 ? stepCount_ : 2) - 1; }

    bool isEnabled(TransportButton button) const;
    // Does what the button does; a disabled button does nothing.
    void press(TransportButton button);
    // The slider's value rounded to the nearest step (halves away from zero); playing goes on.
    void moveSlider(double value);

    // Autoplay, before its wait: false (and playing stops) when there is nothing left to play.
    bool autoplayShouldWait();
    // Autoplay, after its wait: moves one step; false when playing was stopped meanwhile or the end was
    // reached, so nothing moved.
    bool autoplayAdvance();

  private:
    void moveTo(std::int64_t step);

    std::int64_t stepCount_;
    std::int64_t cursor_ = 0;
    bool playing_ = false;
};

// The events the replay steps through: all but the hand start and the dealing of hole cards; every event
// when none is left.
std::vector<std::int64_t> stepEventIndices(const HandRecord& record);

// The transport button's system symbol and what a screen reader calls it.
std::string_view transportSymbolName(TransportButton button, bool playing);
QString transportLabel(TransportButton button, bool playing);

}  // namespace pellox::app
