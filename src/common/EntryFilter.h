#pragma once

// Decision of the keystroke filter on numeric entry boxes: control codes (26 or less: Backspace,
// Tab, Enter and the Ctrl+letter combinations such as copy, cut and paste) pass unchanged;
// otherwise only the digits and the decimal point pass. Returns the code to insert, or 0 to
// cancel the keystroke.
int FilterKey(int code);
