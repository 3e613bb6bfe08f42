#pragma once

#include <QString>
#include <utility>
#include <vector>

#include "common/ErrorBox.h"

// What stands in for the error box when no recorder does. The test main sets one that fails the
// running test with the message, so an unexpected box never waits for a click.
inline ErrorBox::Sink& defaultErrorSink() {
    static ErrorBox::Sink sink;
    return sink;
}

inline void setDefaultErrorSink(ErrorBox::Sink sink) {
    defaultErrorSink() = std::move(sink);
    ErrorBox::setSink(defaultErrorSink());
}

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
    ~ErrorRecorder() { ErrorBox::setSink(defaultErrorSink()); }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    std::vector<Shown> shown;
};
