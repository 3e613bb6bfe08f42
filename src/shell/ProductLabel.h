#pragma once

#include <QString>

// The product name and version both start-up windows show.
inline QString productLabel() {
    return QStringLiteral("Kelvo v1.0");
}
