#pragma once

#include <QColor>

// The system colours the windows are designed with, mapped to the palette roles of the running
// style; this is the one place that mapping is made.
enum class SystemColour {
    WindowFrame = 7, // black frame lines on the classic desktop
    WindowText = 8,
    ActiveBorder = 10, // the neutral face colour of window borders
    // The ground of an entry box, and of a locked one.
    WindowBackground = 5,
    InactiveBorder = 11,
};

QColor systemColour(SystemColour colour);

// The colours of the newest history row.
inline constexpr QColor NewestRowText{255, 0, 0};
inline constexpr QColor NewestRowBackground{0, 0, 0};
