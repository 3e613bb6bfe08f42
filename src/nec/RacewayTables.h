#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "nec/ConductorTables.h"

// The Chapter 9 tables of raceway fill as plain values: Table 4 (raceway areas), Table 5
// (insulated conductor areas) and the stranded rows of Table 8 (bare conductors). Rows found in
// one source only ship as well, carrying a flag the sheet shows as "†".
namespace Nec {

// "†", the mark of a row resting on one source (Table 5 prints "*" in its own type names).
QString singleSourceMark();
// `text` followed by "†" when `singleSource`, else `text`.
QString withSingleSourceMark(const QString& text, bool singleSource);
// "† one source only: check against your code book"
QString singleSourceFootnote();

// One trade size of a raceway in Chapter 9 Table 4. A size the code prints with dashes has no
// area.
struct RacewayRow {
    QString article;   // "358"
    QString raceway;   // the short name of the table's raceway column: "EMT", "PVC-40/HDPE"
    QString tradeSize; // hyphen form: "3/4", "1-1/4"
    std::optional<double> totalArea; // the 100 % column, in², as printed (three decimals)
    bool singleSource = false;
};

struct RacewayTable {
    // Every raceway's rows together, raceways in the order of their first row, each raceway's
    // rows by trade size.
    std::vector<RacewayRow> rows;

    // The raceway short names in table order, each once.
    QStringList raceways() const;
    // True when every row of `raceway` rests on one source (and it has rows).
    bool singleSourceOnly(const QString& raceway) const;
    // The rows of `raceway`, smallest trade size first.
    std::vector<RacewayRow> tradeSizes(const QString& raceway) const;
};

// Joins the rows confirmed by two sources with those found in one (the latter get the
// single-source flag). A raceway takes the place of its first row in `confirmed`, then in
// `singleSource`; its rows are sorted by trade size, keeping the given order among sizes that do
// not read as a number. A trade size found in both keeps the confirmed row.
RacewayTable mergeRacewayTables(std::vector<RacewayRow> confirmed,
                                std::vector<RacewayRow> singleSource);

// The type given to Table 8's bare stranded conductors in the type list.
QString bareConductorType(); // "Bare"

// One conductor of Chapter 9 Table 5 (type line as printed) or a bare stranded conductor of
// Table 8 (type "Bare").
struct ConductorAreaRow {
    QString type; // "THHN, THWN, THWN-2", "RHH*, RHW*, RHW-2*", "Bare"
    ConductorSize size;
    double area = 0; // in²: four decimals in Table 5, three in Table 8
    bool singleSource = false;
};

// A Table 8 row as the table stores it; only the stranded rows are used.
struct Table8Conductor {
    ConductorSize size;
    QString stranding; // "solid" or "stranded"
    std::optional<double> overallArea;
};

struct ConductorAreaTable {
    std::vector<ConductorAreaRow> rows;

    // The Table 5 type lines in table order, then "Bare" when Table 8 gave rows.
    QStringList types() const;
    // True when every row of `type` rests on one source.
    bool singleSourceOnly(const QString& type) const;
    // The sizes of `type`, smallest first.
    std::vector<ConductorSize> sizes(const QString& type) const;
    // The row of `type` and `size`, or nothing.
    const ConductorAreaRow* find(const QString& type, const ConductorSize& size) const;
};

// Joins the Table 5 rows confirmed by two sources, those found in one (flagged), and the
// stranded rows of Table 8 as type "Bare". Types keep the order of their first row; each type's
// sizes are sorted smallest first (18 AWG ... 4/0 AWG, then kcmil). A Table 8 row without an
// overall area, or a type and size found twice, is left out (the first one stays).
ConductorAreaTable mergeConductorAreas(const std::vector<ConductorAreaRow>& confirmed,
                                       const std::vector<ConductorAreaRow>& singleSource,
                                       const std::vector<Table8Conductor>& table8);

// Orders conductor sizes: 18 AWG first, up through 1 AWG, 1/0 ... 4/0 AWG, then kcmil by value.
// A size that reads as none of these sorts after all of them.
double conductorSizeRank(const ConductorSize& size);

} // namespace Nec
