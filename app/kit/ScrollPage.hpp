#pragma once
#include <QString>

class QScrollArea;
class QWidget;

namespace pellox::app {

// The vertical scroll area a screen's content stands in: no frame, no sideways scrolling, the screen's own
// background showing through its viewport.
//
// Without a name it is no focus stop of its own: Tab goes from control to control inside it. A control
// inside that takes the keys, from wherever they come, is scrolled into view; one clicked stays put. A
// screen with nothing to focus inside names the area instead: it is then a stop of that name, ringed while
// it has the keys, and the arrows and Page Up and Down scroll it.
QScrollArea* makeScrollPage(QWidget* parent, const QString& stopName = {});

}  // namespace pellox::app
