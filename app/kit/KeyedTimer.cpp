#include "kit/KeyedTimer.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace pellox::app {

KeyedTimer::KeyedTimer(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &KeyedTimer::fire);
}

bool KeyedTimer::changeKey(const QString& key) {
    if (key_ == key) return false;
    timer_.stop();
    run_ = nullptr;
    key_ = key;
    return true;
}

void KeyedTimer::schedule(double seconds, Run run) {
    timer_.stop();
    run_ = std::move(run);
    if (!run_) return;
    const double ms = std::isfinite(seconds) ? std::clamp(seconds * 1000, 0.0, 86'400'000.0) : 0.0;
    timer_.setInterval(static_cast<int>(std::lround(ms)));
    if (!held_ || timer_.interval() == 0) timer_.start();
}

bool KeyedTimer::setKey(const QString& key, const std::function<double()>& seconds, Run run) {
    if (!changeKey(key)) return false;
    schedule(seconds ? seconds() : 0, std::move(run));
    return true;
}

void KeyedTimer::cancel() {
    timer_.stop();
    run_ = nullptr;
    key_.reset();
}

int KeyedTimer::pendingMilliseconds() const {
    return run_ ? timer_.interval() : -1;
}

void KeyedTimer::holdDelayedRuns(bool held) {
    held_ = held;
    if (held_ && timer_.interval() > 0) timer_.stop();
    if (!held_ && run_ && !timer_.isActive()) timer_.start();
}

bool KeyedTimer::runPendingNow() {
    if (!run_) return false;
    timer_.stop();
    fire();
    return true;
}

void KeyedTimer::fire() {
    // The run may announce a new key or schedule again, so it is taken out before it runs.
    Run run = std::exchange(run_, nullptr);
    if (run) run();
}

}  // namespace pellox::app
