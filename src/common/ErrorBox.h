#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "common/Messages.h"

class QMessageBox;
class QWidget;

// The modal error box: critical-stop icon, the text, the title and one OK button.
void showError(const QString& text, const QString& title);
void showError(const Message& message);

namespace ErrorBox {
// Receives every message instead of a dialog while set; tests use it so nothing blocks on a box
// and every message can be checked. An empty sink restores the dialog.
using Sink = std::function<void(const QString& text, const QString& title)>;
void setSink(Sink sink);

// The box showError runs, built but not shown. Its text is plain: messages quote what the user
// pasted, and that must never be taken for markup.
std::unique_ptr<QMessageBox> build(const QString& text, const QString& title, QWidget* parent);
} // namespace ErrorBox
