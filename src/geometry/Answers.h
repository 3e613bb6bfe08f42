#pragma once

#include <QStringList>
#include <QStringView>
#include <array>
#include <cstddef>
#include <type_traits>

#include "common/Calculated.h"
#include "common/DisplayMask.h"

// The answers of one figure calculation, all finite, or the first arithmetic fault met on the way
// (the window then shows nothing of it).
template <std::size_t N> struct Answers {
    std::array<double, N> values{};
    ArithmeticFault fault = ArithmeticFault::None;

    bool ok() const { return fault == ArithmeticFault::None; }
    // The fault as an outcome for acceptResult.
    Calculated outcome() const { return {0.0, fault}; }
};

// Collects answers given as plain doubles (checked here for being finite) or as Calculated
// values that carry a fault of their own.
template <class... Parts> Answers<sizeof...(Parts)> answers(const Parts&... parts) {
    Answers<sizeof...(Parts)> result;
    std::size_t i = 0;
    const auto take = [&](const auto& part) {
        Calculated c;
        if constexpr (std::is_same_v<std::decay_t<decltype(part)>, Calculated>)
            c = part;
        else
            c = checked(part);
        if (result.ok() && !c.ok())
            result.fault = c.fault;
        result.values[i++] = c.value;
    };
    (take(parts), ...);
    return result;
}

// The answers as the labels show them, each through its own mask.
template <std::size_t N>
QStringList answerTexts(const Answers<N>& a, const std::array<QStringView, N>& masks) {
    QStringList texts;
    for (std::size_t i = 0; i < N; ++i)
        texts << formatMask(a.values[i], masks[i]);
    return texts;
}
