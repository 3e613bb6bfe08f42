#pragma once

#include <QString>
#include <stdexcept>

namespace refgen {

// Why the reference database could not be built; main() prints it and fails the build step.
class GeneratorError : public std::runtime_error {
public:
    explicit GeneratorError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace refgen
