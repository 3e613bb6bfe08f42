#pragma once

#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

// Reads typed values off the fuzzer's bytes. Doubles come either from a table of hard cases
// (NaN, infinities, denormals, extremes, zero of both signs) or as raw bit patterns, so every
// double the hardware knows can turn up.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_size == 0; }

    uint8_t byte() {
        if (m_size == 0)
            return 0;
        --m_size;
        return *m_data++;
    }

    int choice(int count) { return count > 0 ? byte() % count : 0; }

    double number() {
        static constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        static constexpr double inf = std::numeric_limits<double>::infinity();
        static constexpr double hard[] = {0.0,
                                          -0.0,
                                          1.0,
                                          -1.0,
                                          nan,
                                          -nan,
                                          inf,
                                          -inf,
                                          std::numeric_limits<double>::denorm_min(),
                                          -std::numeric_limits<double>::denorm_min(),
                                          std::numeric_limits<double>::min(),
                                          std::numeric_limits<double>::max(),
                                          -std::numeric_limits<double>::max(),
                                          std::numeric_limits<double>::epsilon(),
                                          1e-300,
                                          1e300,
                                          1e154,
                                          1.5e-154,
                                          0.5,
                                          1.732,
                                          746.0,
                                          1000.0,
                                          3.14,
                                          90.0};
        const uint8_t selector = byte();
        if (selector < 128)
            return hard[selector % std::size(hard)];
        uint64_t bits = 0;
        for (size_t i = 0; i < sizeof bits; ++i)
            bits = bits << 8 | byte();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // The rest of the bytes as text: UTF-8 when the first byte is even, raw UTF-16 otherwise,
    // so both well-formed text and lone surrogates reach the code.
    QString text() {
        const bool utf8 = byte() % 2 == 0;
        const auto* chars = reinterpret_cast<const char*>(m_data);
        QString result = utf8 ? QString::fromUtf8(chars, static_cast<qsizetype>(m_size))
                              : QString(reinterpret_cast<const QChar*>(m_data),
                                        static_cast<qsizetype>(m_size / 2));
        m_data += m_size;
        m_size = 0;
        return result;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
};

// Stops the run the way a sanitizer would, so the fuzzer saves the input.
#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition))                                                                          \
            __builtin_trap();                                                                      \
    } while (false)
