#pragma once

namespace pellox::app {

// Lets screen readers and tests reach the range grid's painted cells as buttons named "AKs: raise" that
// can be pressed. Installing more than once does nothing.
void installRangeGridAccessibility();

}  // namespace pellox::app
