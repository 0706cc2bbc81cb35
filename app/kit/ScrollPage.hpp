#pragma once

class QScrollArea;
class QWidget;

namespace pellox::app {

// The vertical scroll area a screen's content stands in: no frame, no sideways scrolling, the screen's own
// background showing through its viewport. It is no focus stop of its own: Tab goes from control to control
// inside it, and the area scrolls each one into view as it takes the focus.
QScrollArea* makeScrollPage(QWidget* parent);

}  // namespace pellox::app
