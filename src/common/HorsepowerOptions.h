#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

// One horsepower option of a motor look-up sheet: the caption the user picks, the key the table's
// horsepower field is compared with, and the text the history shows.
struct HorsepowerOption {
    const char* caption;
    const char* key;
    const char* text;
};

namespace HorsepowerOptions {

template <std::size_t... N> constexpr auto joined(const std::array<HorsepowerOption, N>&... parts) {
    std::array<HorsepowerOption, (N + ...)> all{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + at), at += N), ...);
    return all;
}

// 1 1/2 to 60 hp: the run every motor sheet offers in the same words.
inline constexpr std::array<HorsepowerOption, 13> OneAndAHalfToSixty{{
    {"1 1/2", "1.5", "1 1/2"},
    {"2", "2", "2"},
    {"3", "3", "3"},
    {"5", "5", "5"},
    {"7 1/2", "7.5", "7 1/2"},
    {"10", "10", "10"},
    {"15", "15", "15"},
    {"20", "20", "20"},
    {"25", "25", "25"},
    {"30", "30", "30"},
    {"40", "40", "40"},
    {"50", "50", "50"},
    {"60", "60", "60"},
}};

// The DC and torque sheets caption their 1 hp option with a trailing blank.
inline constexpr std::array<HorsepowerOption, 1> OneWithBlank{{{"1 ", "1", "1"}}};

// The AC full-load current sheet, by option index. 1/6 hp came last (index 18) but is listed
// first on the single-phase sheet; see FullLoadCurrentLayout.
inline constexpr auto FullLoadCurrent = joined(std::array<HorsepowerOption, 5>{{
                                                   {"1/4", ".25", "1/4"},
                                                   {"1/3", ".33", "1/3"},
                                                   {"1/2", ".5", "1/2"},
                                                   {"3/4", ".75", "3/4"},
                                                   {"1", "1", "1"},
                                               }},
                                               OneAndAHalfToSixty,
                                               std::array<HorsepowerOption, 1>{{
                                                   {"1/6", ".167", "1/6"},
                                               }});

inline constexpr auto DCMotor = joined(OneWithBlank, OneAndAHalfToSixty,
                                       std::array<HorsepowerOption, 2>{{
                                           {"75", "75", "75"},
                                           {"100", "100", "100"},
                                       }});

inline constexpr auto Torque = joined(OneWithBlank, OneAndAHalfToSixty,
                                      std::array<HorsepowerOption, 18>{{
                                          {"70", "70", "70"},
                                          {"80", "80", "80"},
                                          {"90", "90", "90"},
                                          {"100", "100", "100"},
                                          {"125", "125", "125"},
                                          {"150", "150", "150"},
                                          {"175", "175", "175"},
                                          {"200", "200", "200"},
                                          {"225", "225", "225"},
                                          {"250", "250", "250"},
                                          {"275", "275", "275"},
                                          {"300", "300", "300"},
                                          {"350", "350", "350"},
                                          {"400", "400", "400"},
                                          {"450", "450", "450"},
                                          {"500", "500", "500"},
                                          {"550", "550", "550"},
                                          {"600", "600", "600"},
                                      }});

static_assert(FullLoadCurrent.size() == 19 && DCMotor.size() == 16 && Torque.size() == 32);

} // namespace HorsepowerOptions
