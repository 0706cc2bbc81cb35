#pragma once

class QListView;

namespace pellox::app {

// What a screen reader reaches of the hand history: the list, and each row as an item named by what it
// shows, that says whether it has the keyboard and that opens its replay through its Press action, as
// Return or a click does (the list's activated()). The message row has no action.
void makeHistoryListAccessible(QListView* list);

}  // namespace pellox::app
