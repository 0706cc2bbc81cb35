#pragma once
#include <QString>

class QSlider;

namespace pellox::app {

// The text a screen reader speaks as a slider's value ("$120" rather than the bare position). A slider
// given one keeps its numeric value interface; only the spoken value changes. The text is also the slider's
// description (unless it has one of its own): the desktop's accessibility bus carries a value only as a
// number, a description as text. Call it for a new slider before
// anything else changes it: a screen reader may build the slider's accessible interface at the first change.
void setAccessibleValueText(QSlider* slider, const QString& text);

}  // namespace pellox::app
