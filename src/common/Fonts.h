#pragma once

class QWidget;

// Sets the widget's font to bold, scaled from the font it has now (headings, product labels).
void setBoldFont(QWidget* widget, double scale = 1.0);

// The relative sizes the windows use for their headings.
inline constexpr double SheetHeadingScale = 1.4;
inline constexpr double ProductLabelScale = 1.5;
