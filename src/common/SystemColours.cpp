#include "common/SystemColours.h"

#include <QApplication>
#include <QPalette>

QColor systemColour(SystemColour colour) {
    const QPalette palette = QApplication::palette();
    switch (colour) {
    case SystemColour::WindowFrame:
        return palette.color(QPalette::Active, QPalette::Shadow);
    case SystemColour::WindowText:
        return palette.color(QPalette::Active, QPalette::WindowText);
    case SystemColour::ActiveBorder:
        return palette.color(QPalette::Active, QPalette::Window);
    case SystemColour::WindowBackground:
        return palette.color(QPalette::Active, QPalette::Base);
    case SystemColour::InactiveBorder:
        return palette.color(QPalette::Disabled, QPalette::Button);
    }
    return {};
}
