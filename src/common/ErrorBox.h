#pragma once

#include <QString>
#include <functional>

#include "common/Messages.h"

// The modal error box: critical-stop icon, the text, the title and one OK button.
void showError(const QString& text, const QString& title);
void showError(const Message& message);

namespace ErrorBox {
// Receives every message instead of a dialog while set; tests use it so nothing blocks on a box
// and every message can be checked. An empty sink restores the dialog.
using Sink = std::function<void(const QString& text, const QString& title)>;
void setSink(Sink sink);
} // namespace ErrorBox
