#pragma once

class QWidget;

namespace pellox::app {

class AppContext;
struct Spring;

// Fades the widget in from transparent along the spring's curve over its settle time (at once under reduce
// motion, by the same road). The opacity effect is taken off when the fade ends, so nothing stays between
// the widget and the screen. A fade already running starts over.
void fadeIn(QWidget& widget, const Spring& spring, const AppContext& context);

}  // namespace pellox::app
