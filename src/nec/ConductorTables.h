#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <variant>
#include <vector>

// Code tables the conductor calculations share, as plain values. The windows fill them from the
// reference database and the tests from the CSVs, so the compute layers never see either.
namespace Nec {

enum class Metal { Copper, Aluminum };
// The insulation / termination temperature columns of Table 310.16.
enum class TempRating { C60, C75, C90 };

QString metalName(Metal metal);      // "copper", "aluminum"
QString ratingCaption(TempRating r); // "60°C", "75°C", "90°C"

// A conductor size as the tables print it: "12" with "AWG", "1/0" with "AWG", "250" with "kcmil".
struct ConductorSize {
    QString size;
    QString unit;

    QString caption() const { return size + u' ' + unit; } // "1/0 AWG", "250 kcmil"
    bool operator==(const ConductorSize&) const = default;
};

// Table 310.16, rows smallest size first. An empty cell is an empty optional.
struct AmpacityRow {
    ConductorSize size;
    std::array<std::optional<double>, 3> copper;   // indexed by TempRating
    std::array<std::optional<double>, 3> aluminum; // indexed by TempRating
};

struct AmpacityTable {
    std::vector<AmpacityRow> rows;

    std::optional<double> value(std::size_t row, Metal metal, TempRating rating) const;
    // The row of `size`, or nothing.
    std::optional<std::size_t> find(const ConductorSize& size) const;
};

// Table 240.6(A) standard ampere ratings, ascending. A fuse-only rating (1, 3, 6, 601 A) may be
// taken by a fuse and not by a circuit breaker.
struct StandardRating {
    double amperes = 0;
    bool fuseOnly = false;
};

struct StandardRatings {
    std::vector<StandardRating> ratings;

    // The smallest rating at or above `amperes`, skipping fuse-only ratings unless allowed.
    std::optional<double> atOrAbove(double amperes, bool fuseOnlyAllowed = false) const;
    // The largest rating at or below `amperes`, likewise.
    std::optional<double> atOrBelow(double amperes, bool fuseOnlyAllowed = false) const;
    // True when `amperes` is itself a rating the device may take.
    bool isRating(double amperes, bool fuseOnlyAllowed = false) const;
};

// What every code calculation returns: its answers with the worked steps, or the refusal the
// window shows in the error box (nothing written).
struct Refusal {
    QString message;
};

template <class Result> using Outcome = std::variant<Result, Refusal>;

} // namespace Nec
