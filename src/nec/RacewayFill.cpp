#include "nec/RacewayFill.h"

#include "common/DisplayMask.h"
#include "nec/FillCounts.h"

#include <cmath>

namespace Nec {

namespace {

// Areas are compared as whole ten-thousandths of a square inch: Table 5 prints four decimals,
// Tables 4 and 8 three, and the limits are whole percentages, so nothing is ever rounded.
constexpr qint64 perSquareInch = 10'000;
// Larger table areas are taken as unusable; this keeps every product below in range.
constexpr double largestArea = 10'000; // in²

std::optional<qint64> tenThousandths(std::optional<double> area) {
    if (!area || !std::isfinite(*area) || *area <= 0 || *area > largestArea)
        return std::nullopt;
    const qint64 units = std::llround(*area * perSquareInch);
    if (units < 1)
        return std::nullopt;
    return units;
}

QString squareInches(qint64 units) {
    return formatMask(double(units) / perSquareInch, u"#0.0000") + QStringLiteral(" in²");
}

// p % of a total area: p × units is in millionths of a square inch, shown to its last digit.
QString areaAtLimit(int percent, qint64 totalUnits) {
    return formatMask(double(percent * totalUnits) / (100 * perSquareInch), u"#0.0000##") +
           QStringLiteral(" in²");
}

// The number of conductors of area `conductor` that an area of `percent` × `total` takes by
// Chapter 9 Note 7: the whole quotient, plus one when its fraction is 0.8 or more.
qint64 noteSevenCount(int percent, qint64 total, qint64 conductor) {
    const qint64 numerator = percent * total;
    const qint64 denominator = 100 * conductor;
    const qint64 whole = numerator / denominator;
    return whole + (5 * (numerator % denominator) >= 4 * denominator ? 1 : 0);
}

// The quotient of the same division cut (not rounded) to three decimals, so a step never shows
// 12.800 for a fraction just below 0.8.
QString quotientText(int percent, qint64 total, qint64 conductor) {
    const qint64 thousandths = percent * total * 1000 / (100 * conductor);
    return formatMask(double(thousandths) / 1000, u"#0.000");
}

// Table 1: 53 % for one conductor, 31 % for two, 40 % for more; Note 4: 60 % in a nipple.
int fillLimitFor(qint64 count, bool nipple) {
    if (nipple)
        return 60;
    return count == 1 ? 53 : count == 2 ? 31 : 40;
}

QString fillLimitStep(qint64 count, bool nipple) {
    if (nipple)
        return QStringLiteral("Fill limit, Chapter 9 Table 1 Note 4, nipple (24 in or less): 60 %");
    const QString which = count == 1   ? QStringLiteral("one conductor")
                          : count == 2 ? QStringLiteral("two conductors")
                                       : QStringLiteral("more than two conductors");
    return QStringLiteral("Fill limit, Chapter 9 Table 1, %1: %2 %")
        .arg(which)
        .arg(fillLimitFor(count, nipple));
}

// The most conductors of one kind a trade size holds, each count at the limit that goes with it
// (the Annex C figure; in a nipple 60 % for any count).
qint64 mostOfOneKind(qint64 total, qint64 conductor, bool nipple) {
    if (nipple)
        return noteSevenCount(60, total, conductor);
    const qint64 many = noteSevenCount(40, total, conductor);
    if (many >= 3)
        return many;
    if (noteSevenCount(31, total, conductor) >= 2)
        return 2;
    return noteSevenCount(53, total, conductor) >= 1 ? 1 : 0;
}

struct UsedGroup {
    int number = 0; // 1 ... 6
    const ConductorAreaRow* row = nullptr;
    qint64 count = 0;
    qint64 area = 0; // ten-thousandths of a square inch, one conductor
};

QString conductorText(const ConductorAreaRow& row) {
    return withSingleSourceMark(row.size.caption() + u' ' + row.type, row.singleSource);
}

QString tableOf(const ConductorAreaRow& row) {
    return row.type == bareConductorType() ? QStringLiteral("Chapter 9 Table 8, stranded")
                                           : QStringLiteral("Chapter 9 Table 5");
}

} // namespace

Outcome<RacewayFillResult> racewayFill(const RacewayFillInput& input, const RacewayTable& raceways,
                                       const ConductorAreaTable& conductors) {
    const std::vector<RacewayRow> sizes = raceways.tradeSizes(input.raceway);
    if (sizes.empty())
        return Refusal{
            QStringLiteral("The raceway \"%1\" is not in Chapter 9 Table 4.").arg(input.raceway)};

    std::vector<UsedGroup> used;
    for (int g = 0; g < racewayGroupCount; ++g) {
        const ConductorGroup& group = input.groups[std::size_t(g)];
        if (!group.count)
            continue;
        const QString name = QStringLiteral("Group %1").arg(g + 1);
        const auto count = fillCount(*group.count, name);
        if (const auto* refusal = std::get_if<Refusal>(&count))
            return *refusal;
        if (std::get<qint64>(count) == 0)
            continue;
        const ConductorAreaRow* row = conductors.find(group.type, group.size);
        if (!row)
            return Refusal{QStringLiteral("%1: %2 %3 is not in the conductor tables.")
                               .arg(name, group.size.caption(), group.type)};
        const std::optional<qint64> area = tenThousandths(row->area);
        if (!area)
            return Refusal{QStringLiteral("%1: %2 has no usable area in %3.")
                               .arg(name, conductorText(*row), tableOf(*row))};
        used.push_back({g + 1, row, std::get<qint64>(count), *area});
    }
    if (used.empty())
        return Refusal{QStringLiteral("Enter the count of at least one group of conductors.")};

    RacewayFillResult r;
    r.raceway = input.raceway;
    r.racewaySingleSource = raceways.singleSourceOnly(input.raceway);
    bool marked = r.racewaySingleSource;
    r.steps << QStringLiteral("Raceway: %1, Chapter 9 Table 4 (Article %2)")
                   .arg(withSingleSourceMark(input.raceway, r.racewaySingleSource),
                        sizes.front().article);

    qint64 totalArea = 0; // at most 6 × 1e9 × 1e8: in range
    r.noteSeven = true;
    for (const UsedGroup& u : used) {
        r.conductors += u.count;
        totalArea += u.count * u.area;
        r.noteSeven = r.noteSeven && u.row->type == used.front().row->type &&
                      u.row->size == used.front().row->size;
        marked = marked || u.row->singleSource;
        r.steps << QStringLiteral("Group %1: %2 × %3 at %4 in² (%5) = %6")
                       .arg(QString::number(u.number), QString::number(u.count),
                            conductorText(*u.row),
                            formatMask(double(u.area) / perSquareInch, u"#0.000#"), tableOf(*u.row),
                            squareInches(u.count * u.area));
    }
    r.conductorArea = double(totalArea) / perSquareInch;
    r.fillLimitPercent = fillLimitFor(r.conductors, input.nipple);
    r.fillLimit = QStringLiteral("%1 %").arg(r.fillLimitPercent);
    r.steps << QStringLiteral("Conductors: %1").arg(r.conductors)
            << QStringLiteral("Conductor area: %1").arg(squareInches(totalArea))
            << fillLimitStep(r.conductors, input.nipple);
    if (r.noteSeven)
        r.steps << QStringLiteral("Chapter 9 Note 7: all conductors alike, so a count rounds up "
                                  "when its fraction is 0.8 or more");

    const int limit = r.fillLimitPercent;
    const UsedGroup& one = used.front();
    const bool groupOneAlone = used.size() == 1 && one.number == 1;
    std::optional<qint64> smallestTotal;
    for (const RacewayRow& size : sizes) {
        TradeSizeFill line{size.tradeSize, size.singleSource, {}, {}, false};
        const QString label = QStringLiteral("Trade size %1")
                                  .arg(withSingleSourceMark(size.tradeSize, size.singleSource));
        const std::optional<qint64> total = tenThousandths(size.totalArea);
        if (!total) {
            if (!smallestTotal) {
                r.steps << label + QStringLiteral(": no area in Chapter 9 Table 4");
                marked = marked || size.singleSource;
            }
            r.grid.push_back(line);
            continue;
        }
        line.fillPercent = 100.0 * double(totalArea) / double(*total);
        if (groupOneAlone)
            line.maxOfGroup1 = mostOfOneKind(*total, one.area, input.nipple);
        QString test = QStringLiteral("%1: %2 % × %3 in² = %4")
                           .arg(label)
                           .arg(limit)
                           .arg(formatMask(double(*total) / perSquareInch, u"#0.000"),
                                areaAtLimit(limit, *total));
        if (r.noteSeven) {
            const qint64 fit = noteSevenCount(limit, *total, one.area);
            line.holds = r.conductors <= fit;
            test +=
                QStringLiteral("; %1 ÷ %2 = %3 → %4 conductors")
                    .arg(formatMask(double(limit * *total) / (100 * perSquareInch), u"#0.0000##"),
                         formatMask(double(one.area) / perSquareInch, u"#0.000#"),
                         quotientText(limit, *total, one.area))
                    .arg(fit);
        } else {
            // Past the first test the total is below 1e10, so 100 × it stays in range.
            line.holds = totalArea <= limit * *total && 100 * totalArea <= limit * *total;
            test += (line.holds ? QStringLiteral(" ≥ ") : QStringLiteral(" < ")) +
                    squareInches(totalArea);
        }
        if (!smallestTotal) {
            r.steps << test +
                           (line.holds ? QStringLiteral(": holds") : QStringLiteral(": too small"));
            marked = marked || size.singleSource;
            if (line.holds) {
                smallestTotal = total;
                r.smallestTradeSize = size.tradeSize;
                r.smallestSingleSource = size.singleSource;
                r.fillPercent = *line.fillPercent;
            }
        }
        r.grid.push_back(line);
    }
    if (!smallestTotal)
        return Refusal{QStringLiteral("No trade size of %1 in Chapter 9 Table 4 holds these "
                                      "conductors.")
                           .arg(input.raceway)};

    r.steps << QStringLiteral("Smallest trade size: %1 %2")
                   .arg(withSingleSourceMark(r.smallestTradeSize, r.smallestSingleSource),
                        input.raceway)
            << QStringLiteral("Fill: 100 × %1 ÷ %2 in² = %3 %")
                   .arg(squareInches(totalArea),
                        formatMask(double(*smallestTotal) / perSquareInch, u"#0.000"),
                        formatMask(r.fillPercent, u"#0.00"));
    for (const TradeSizeFill& line : r.grid)
        marked = marked || line.singleSource;
    r.singleSourceUsed = marked;
    if (marked)
        r.steps << singleSourceFootnote();
    return r;
}

} // namespace Nec
