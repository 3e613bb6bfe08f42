#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "nec/ConductorTables.h"
#include "nec/RacewayTables.h"

// Raceway fill by Chapter 9: up to six groups of conductors in one raceway, the fill limit of
// Table 1, the smallest trade size of Table 4 that holds them and the fill of every trade size.
namespace Nec {

inline constexpr int racewayGroupCount = 6;

// One group of conductors: a type line of the conductor table ("Bare" for Table 8), one of its
// sizes, and how many. A group without a count, or with a count of 0, is not used.
struct ConductorGroup {
    QString type;
    ConductorSize size;
    std::optional<double> count;
};

struct RacewayFillInput {
    QString raceway; // a short name of RacewayTable::raceways()
    std::array<ConductorGroup, racewayGroupCount> groups;
    bool nipple = false; // 24 in or less: 60 % whatever the count
};

// One line of the grid of trade sizes.
struct TradeSizeFill {
    QString tradeSize;
    bool singleSource = false;
    // 100 × conductor area ÷ the size's 100 % area; none for a size printed with dashes.
    std::optional<double> fillPercent;
    // The most conductors of group 1's kind alone (Chapter 9 Note 7, the limit that goes with
    // that count); only when group 1 is the one group used and the size has an area.
    std::optional<qint64> maxOfGroup1;
    bool holds = false; // the size holds the conductors entered
};

struct RacewayFillResult {
    QString raceway;
    bool racewaySingleSource = false;
    qint64 conductors = 0;
    double conductorArea = 0; // in², the exact sum of four-decimal areas
    int fillLimitPercent = 0; // 53, 31, 40; 60 for a nipple
    QString fillLimit;        // "40 %"
    QString smallestTradeSize;
    bool smallestSingleSource = false;
    double fillPercent = 0;          // at the smallest trade size
    bool noteSeven = false;          // every conductor of one type and size: the count may round up
    std::vector<TradeSizeFill> grid; // every trade size of the raceway, smallest first
    bool singleSourceUsed = false;   // a "†" is shown: show singleSourceFootnote() too
    QStringList steps;
};

// The fill of `input.raceway` by the conductor groups, compared exactly in ten-thousandths of a
// square inch. Refuses an unknown raceway or conductor, a count that is not a whole number of 0
// or more, no conductor at all, and conductors that no trade size holds.
Outcome<RacewayFillResult> racewayFill(const RacewayFillInput& input, const RacewayTable& raceways,
                                       const ConductorAreaTable& conductors);

} // namespace Nec
