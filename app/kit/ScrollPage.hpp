#pragma once
#include <QString>

class QScrollArea;
class QWidget;

namespace pellox::app {

// The vertical scroll area a screen's content stands in: no frame, no sideways scrolling, the screen's own
// background showing through the area, its viewport and the content, which it takes (none yet when the
// screen puts its content in later with setScrollPageContent).
//
// Without a name it is no focus stop of its own: Tab goes from control to control inside it. A control
// inside that takes the keys, from wherever they come, is scrolled into view; one clicked stays put. A
// screen with nothing to focus inside names the area instead: it is then a stop of that name, ringed while
// it has the keys, and the arrows and Page Up and Down scroll it.
QScrollArea* makeScrollPage(QWidget* parent, QWidget* content, const QString& stopName = {});

// Puts `content` in a page made by makeScrollPage in place of the one it held (which is deleted), the
// screen's background showing through it too.
void setScrollPageContent(QScrollArea* page, QWidget* content);

}  // namespace pellox::app
