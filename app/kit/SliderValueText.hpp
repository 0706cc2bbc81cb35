#pragma once
#include <QString>

class QSlider;

namespace pellox::app {

// The text a screen reader speaks as a slider's value ("$120" rather than the bare position). A slider
// given one keeps its numeric value interface; only the spoken value changes. Call it for a new slider before
// anything else changes it: a screen reader may build the slider's accessible interface at the first change.
void setAccessibleValueText(QSlider* slider, const QString& text);

}  // namespace pellox::app
