#pragma once

namespace pellox::app {

class RangeGridView;

// Lets screen readers and tests reach the range grid's painted cells as buttons named "AKs: raise" that
// can be pressed. Installing more than once does nothing.
void installRangeGridAccessibility();

// Tells a screen reader which cell has the keyboard, when the grid has it.
void announceFocusedCell(RangeGridView* grid);

// Tells a screen reader that a cell's read (its description) changed.
void announceCellRead(RangeGridView* grid, int index);

}  // namespace pellox::app
