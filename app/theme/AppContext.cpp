#include "theme/AppContext.hpp"

#include <QByteArray>

#include "store/SettingsStore.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

AppContext::AppContext(SettingsStore* settings, Feedback* feedback, QObject* parent)
    : QObject(parent),
      settings_(settings),
      feedback_(feedback),
      reduceMotion_(reduceMotionFromEnvironment()) {
    if (settings_) {
        themeSubscription_ =
            settings_->tableTheme.subscribe([this](std::string_view) { emit paletteChanged(); });
    }
}

AppContext::~AppContext() = default;

const Palette& AppContext::palette() const {
    return settings_ ? paletteFor(settings_->tableTheme.get()) : Palette::cardRoom();
}

bool AppContext::reduceMotionFromEnvironment() {
    const QByteArray value = qgetenv("PELLOX_REDUCE_MOTION");
    return !value.isEmpty() && value != "0";
}

}  // namespace pellox::app
