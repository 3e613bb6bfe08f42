#pragma once

class QLineEdit;

// Drops every keystroke of `box` that the numeric entry filter refuses. Keys that type nothing
// (arrows, Home, Delete) are left alone.
void attachEntryFilter(QLineEdit* box);
