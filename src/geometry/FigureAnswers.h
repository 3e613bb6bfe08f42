#pragma once

#include <array>
#include <optional>

#include "common/Calculated.h"

// The figure window has five rows of given values and five rows of answers; a figure reads some
// of the fields and writes some of the answer rows.
inline constexpr int FigureRows = 5;

// Field i of the given values, already converted (fields a combination does not read are 0).
using FigureInputs = std::array<double, FigureRows>;

// Answer i, or nothing where the figure leaves row i as it is.
using FigureAnswers = std::array<std::optional<Calculated>, FigureRows>;

// The first answer that faulted, so nothing is shown when any answer cannot be.
inline ArithmeticFault firstFault(const FigureAnswers& answers) {
    for (const auto& answer : answers)
        if (answer && !answer->ok())
            return answer->fault;
    return ArithmeticFault::None;
}
