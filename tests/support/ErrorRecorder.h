#pragma once

#include <QString>
#include <vector>

#include "common/ErrorBox.h"

// Stands in for the error box while it lives, recording every message shown.
class ErrorRecorder {
public:
    struct Shown {
        QString text;
        QString title;
    };

    ErrorRecorder() {
        ErrorBox::setSink([this](const QString& text, const QString& title) {
            shown.push_back({text, title});
        });
    }
    ~ErrorRecorder() { ErrorBox::setSink({}); }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    std::vector<Shown> shown;
};
