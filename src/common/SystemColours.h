#pragma once

#include <QColor>

// The system colours the windows are designed with, mapped to the palette roles of the running
// style; this is the one place that mapping is made.
enum class SystemColour {
    WindowFrame = 7, // black frame lines on the classic desktop
    WindowText = 8,
    ActiveBorder = 10,    // the neutral face colour of window borders
    WindowBackground = 5, // the ground of entry boxes
    InactiveBorder = 11,  // a locked entry box
};

QColor systemColour(SystemColour colour);

// The colours of the newest history row.
inline constexpr QColor NewestRowText{255, 0, 0};
inline constexpr QColor NewestRowBackground{0, 0, 0};
