#pragma once

// Window geometry is designed in twips, 1/1440 inch; the screen's logical DPI turns them into
// logical pixels.
inline constexpr double TwipsPerInch = 1440.0;

inline int twipsToPixels(double twips, double dpi) {
    const double px = twips * dpi / TwipsPerInch;
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}

inline double pixelsToTwips(int pixels, double dpi) {
    return pixels * TwipsPerInch / dpi;
}
