#pragma once

class QComboBox;

namespace pellox::app {

// What a screen reader hears of a drop-down choice: the box's own name ("Theme") with the chosen item as
// its value and its description, told again at each change (the platform's own reading names the box by its
// chosen item), and actions that change the choice as the user's own pick does (emitting activated):
// Increase and Decrease step to the next and the previous item, ShowMenu and Press open the list.
void makeChoiceBoxAccessible(QComboBox* box);

}  // namespace pellox::app
