#pragma once
#include <QPalette>

class QApplication;

namespace pellox::app {

// The dark appearance of both windows: the Fusion style with an application-wide dark palette, so standard
// widgets (forms, lists, dialogs, scroll bars) sit well beside the table's colours.
QPalette darkPalette();
void applyDarkStyle(QApplication& application);

}  // namespace pellox::app
