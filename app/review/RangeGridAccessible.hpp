#pragma once

namespace pellox::app {

class RangeGridView;

// Lets screen readers and tests reach the range grid's painted cells as buttons named "AKs: raise" that
// can be pressed. Installing more than once does nothing.
void installRangeGridAccessibility();

// Tells a screen reader which cell has the keyboard, when the grid has it.
void announceFocusedCell(RangeGridView* grid);

}  // namespace pellox::app
