#pragma once

#include <functional>

class QRadioButton;

// Runs `handler` when `option` is chosen, and also when the user clicks it while it is already
// the chosen one (with the mouse, the space bar, or a screen reader's toggle or press action):
// on the figure sheets such a click clears the sheet. A change of choice runs it once.
void onOptionChosen(QRadioButton* option, std::function<void()> handler);
