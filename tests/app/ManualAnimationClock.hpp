#pragma once
// Drives every Qt animation of the process by hand: while one of these lives, animations advance only when
// the test moves the clock, so a transition is checked at exact times instead of by sleeping.
#include <QAbstractAnimation>
#include <QCoreApplication>
#include <QObject>
#include <algorithm>

#include "kit/Spring.hpp"

namespace pellox::app::testing {

class ManualAnimationClock final : public QAnimationDriver {
  public:
    ManualAnimationClock() {
        install();
        // Qt stops its animation timer whenever nothing runs and, on the next start, reads the start time off
        // the wall clock; a driver installed while another one ran takes over the time that one had not yet
        // handed out (a previous test's, under load tens of milliseconds). Either would move this test's
        // animations before its clock does. One endless animation keeps the timer going for the clock's
        // life, and one frame now hands out what is left over while none of the test's animations run.
        keeper_.start();
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        QAnimationDriver::advance();
    }
    ~ManualAnimationClock() override {
        keeper_.stop();
        uninstall();
    }
    ManualAnimationClock(const ManualAnimationClock&) = delete;
    ManualAnimationClock& operator=(const ManualAnimationClock&) = delete;

    // Time since Qt started this driver, as a driver's clock counts.
    qint64 elapsed() const override { return now_ - startedAt_; }
    // The test's time: every millisecond the clock has been moved on.
    qint64 now() const { return now_; }

    // Moves the clock on and lets every running animation take its new time.
    void advance(qint64 milliseconds) {
        // Qt registers an animation started since the last frame on the next turn of the event loop and
        // takes it into the frame after that: two frames at the old time let it join where the test started
        // it, so the step below moves it by exactly `milliseconds`.
        for (int i = 0; i < 2; ++i) {
            QCoreApplication::processEvents();
            QAnimationDriver::advance();
        }
        now_ += milliseconds;
        QAnimationDriver::advance();
    }
    // Moves the clock in steps as frames would, for motions whose path matters.
    void advanceInFrames(qint64 milliseconds, qint64 frame = 16) {
        for (qint64 done = 0; done < milliseconds; done += frame)
            advance(std::min(frame, milliseconds - done));
    }

  protected:
    void start() override {
        startedAt_ = now_;
        QAnimationDriver::start();
    }

  private:
    // Runs until stopped and changes nothing.
    class Keeper final : public QAbstractAnimation {
      public:
        int duration() const override { return -1; }

      protected:
        void updateCurrentTime(int) override {}
    };

    qint64 now_ = 0;
    qint64 startedAt_ = 0;
    Keeper keeper_;
};

// Whole milliseconds until the spring has settled, and one more.
inline int settleMs(const Spring& spring) {
    return static_cast<int>(spring.settleDuration() * 1000) + 1;
}

// How many animations below `root` are running.
inline int runningAnimations(const QObject& root) {
    int count = 0;
    for (const auto* a : root.findChildren<QAbstractAnimation*>())
        count += a->state() == QAbstractAnimation::Running ? 1 : 0;
    return count;
}

}  // namespace pellox::app::testing
