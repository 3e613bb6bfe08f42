#include <gtest/gtest.h>

#include <QHash>
#include <cmath>

#include "CodeTableCsv.h"
#include "CodeTableCsvFill.h"
#include "ConduitTable.h"
#include "nec/RacewayFill.h"

using namespace Nec;

namespace {

const RacewayTable& raceways() {
    static const RacewayTable table = CodeTableCsv::racewayAreas();
    return table;
}

const ConductorAreaTable& conductors() {
    static const ConductorAreaTable table = CodeTableCsv::conductorAreas();
    return table;
}

const QString THHN = QStringLiteral("THHN, THWN, THWN-2");
const QString XHHW = QStringLiteral("XHHW, XHHW-2, XHH");
const QString RHH = QStringLiteral("RHH, RHW, RHW-2");
const QString Bare = QStringLiteral("Bare");

struct Group {
    QString type;
    const char* size;
    double count;
};

ConductorSize sizeOf(const char* size) {
    const QString s = QString::fromLatin1(size);
    const bool kcmil = !s.contains(u'/') && s.toInt() >= 250;
    return {s, kcmil ? QStringLiteral("kcmil") : QStringLiteral("AWG")};
}

Outcome<RacewayFillResult> fill(const char* raceway, const std::vector<Group>& groups,
                                bool nipple = false) {
    RacewayFillInput input;
    input.raceway = QString::fromLatin1(raceway);
    input.nipple = nipple;
    for (std::size_t g = 0; g < groups.size(); ++g)
        input.groups[g] = {groups[g].type, sizeOf(groups[g].size), groups[g].count};
    return racewayFill(input, raceways(), conductors());
}

const TradeSizeFill& line(const RacewayFillResult& r, const char* tradeSize) {
    for (const TradeSizeFill& l : r.grid)
        if (l.tradeSize == QLatin1String(tradeSize))
            return l;
    ADD_FAILURE() << "no trade size " << tradeSize;
    static const TradeSizeFill none;
    return none;
}

// Annex C counts (the maximum of one conductor kind) and the limit that goes with each count.
TEST(RacewayFill, MaximaMatchAnnexCCounts) {
    struct Case {
        const char* raceway;
        const char* tradeSize;
        QString type;
        const char* size;
        qint64 annexC;
    };
    const Case cases[] = {
        // Table C.1 (EMT), the worked check of the raceway sources.
        {"EMT", "3/4", THHN, "12", 16},
        // Table C.1 cells that need the Note 7 round-up at 53 % and 31 %.
        {"EMT", "3/4", RHH, "1/0", 1},
        {"EMT", "3/4", RHH, "2/0", 1},
        {"EMT", "1-1/2", RHH, "2/0", 2},
        {"EMT", "1/2", THHN, "6", 2},
        {"EMT", "1/2", THHN, "1/0", 1},
        // Tables C.9 and C.10 (PVC), quoted counts.
        {"PVC-40/HDPE", "3/4", THHN, "12", 15},
        {"PVC-40/HDPE", "2", THHN, "4/0", 4},
        {"PVC-80", "2", THHN, "4/0", 3},
        {"PVC-40/HDPE", "1", THHN, "10", 15},
        // 40 % holds exactly two 3/0 RHH, but two conductors are held to 31 %: one.
        {"EMT", "1-1/2", RHH, "3/0", 1},
    };
    for (const Case& c : cases) {
        const auto r = fill(c.raceway, {{c.type, c.size, 1}});
        ASSERT_TRUE(std::holds_alternative<RacewayFillResult>(r)) << c.raceway << c.size;
        EXPECT_EQ(line(std::get<RacewayFillResult>(r), c.tradeSize).maxOfGroup1, c.annexC)
            << c.size << " in " << c.tradeSize << " " << c.raceway;
    }
}

// The counts of the conduit sheet (rigid metal conduit, one group of types, its largest area
// governing) against the maxima here wherever Table 5 has a line of that area.
TEST(RacewayFill, RmcMaximaMatchTheConduitSheet) {
    const refgen::CsvFile keys = CodeTableCsv::read(QStringLiteral("conduit.csv"));
    const refgen::CsvFile areas = CodeTableCsv::read(QStringLiteral("conductor_area.csv"));
    const refgen::ReferenceTable sheet = refgen::conduitTable(
        keys, CodeTableCsv::read(QStringLiteral("conduit_area_rmc.csv")), areas);
    QHash<QString, double> areaOf;
    for (const QStringList& row : areas.rows)
        areaOf.insert(row[0] + u'|' + row[1], row[2].toDouble());

    int compared = 0;
    for (qsizetype k = 0; k < keys.rows.size(); ++k) {
        const QString size = keys.rows[k][1];
        double governing = 0;
        for (const QString& type : keys.rows[k][2].split(u';'))
            governing = std::max(governing, areaOf.value(type + u'|' + size));
        const ConductorAreaRow* same = nullptr;
        for (const ConductorAreaRow& row : conductors().rows)
            if (row.type != Bare && row.size.size == size && std::abs(row.area - governing) < 1e-9)
                same = &row;
        if (!same)
            continue; // FEP governs 14 and 12: no Table 5 line of that area
        RacewayFillInput input;
        input.raceway = QStringLiteral("RMC");
        input.groups[0] = {same->type, same->size, 1};
        const auto r = racewayFill(input, raceways(), conductors());
        ASSERT_TRUE(std::holds_alternative<RacewayFillResult>(r));
        for (const TradeSizeFill& l : std::get<RacewayFillResult>(r).grid) {
            const qsizetype field = sheet.fields.indexOf(QString(l.tradeSize).replace(u'-', u' '));
            if (field < 0)
                continue; // 3/8: no area
            EXPECT_EQ(l.maxOfGroup1, sheet.rows[k][field].toLongLong())
                << qPrintable(keys.rows[k][0]) << " in " << qPrintable(l.tradeSize);
            ++compared;
        }
    }
    EXPECT_GT(compared, 500);
}

// Smallest trade size, limit and fill, with cases that land exactly on the Note 7 fraction of
// 0.8 or exactly on the fill limit.
TEST(RacewayFill, SmallestTradeSize) {
    struct Case {
        const char* raceway;
        std::vector<Group> groups;
        bool nipple;
        const char* smallest;
        const char* limit;
        const char* area;
        bool noteSeven;
    };
    const Case cases[] = {
        {"EMT", {{THHN, "12", 16}}, false, "3/4", "40 %", "0.2128", true},
        // 40 % of 0.864 over 0.027 is 12.8 exactly: 13 fit by Note 7, 14 do not.
        {"EMT", {{Bare, "6", 13}}, false, "1", "40 %", "0.3510", true},
        {"EMT", {{Bare, "6", 14}}, false, "1-1/4", "40 %", "0.3780", true},
        // The same conductor in two groups is still one kind.
        {"EMT", {{Bare, "6", 12}, {Bare, "6", 1}}, false, "1", "40 %", "0.3510", true},
        // 40 % of 0.549 over 0.0366 is 6 exactly.
        {"RMC", {{THHN, "8", 6}}, false, "3/4", "40 %", "0.2196", true},
        // Mixed conductors filling 40 % exactly, then one more.
        {"EMT", {{XHHW, "14", 7}, {XHHW, "10", 1}}, false, "1/2", "40 %", "0.1216", false},
        {"EMT", {{XHHW, "14", 8}, {XHHW, "10", 1}}, false, "3/4", "40 %", "0.1355", false},
        {"EMT", {{XHHW, "12", 2}, {XHHW, "6", 3}}, false, "3/4", "40 %", "0.2132", false},
        // Two 3/0 RHH: 31 %, so 1-1/2 (40 % would hold exactly two) is too small.
        {"EMT", {{RHH, "3/0", 2}}, false, "2", "31 %", "0.8144", true},
        {"EMT", {{THHN, "1/0", 1}}, false, "1/2", "53 %", "0.1855", true},
        // A nipple: 60 % of 1.496 over 0.017 is 52.8, so 53 fit; at 40 % only 35.
        {"EMT", {{Bare, "8", 53}}, true, "1-1/4", "60 %", "0.9010", true},
        {"EMT", {{Bare, "8", 53}}, false, "2", "40 %", "0.9010", true},
        // An empty count leaves its group out; a count of 0 adds nothing.
        {"EMT", {{THHN, "12", 16}, {XHHW, "4", 0}}, false, "3/4", "40 %", "0.2128", true},
    };
    for (const Case& c : cases) {
        const auto outcome = fill(c.raceway, c.groups, c.nipple);
        ASSERT_TRUE(std::holds_alternative<RacewayFillResult>(outcome)) << c.area;
        const RacewayFillResult r = std::get<RacewayFillResult>(outcome);
        EXPECT_EQ(r.smallestTradeSize, QLatin1String(c.smallest)) << c.area;
        EXPECT_EQ(r.fillLimit, QString::fromUtf8(c.limit)) << c.area;
        EXPECT_EQ(QString::number(r.conductorArea, 'f', 4), QLatin1String(c.area));
        EXPECT_EQ(r.noteSeven, c.noteSeven) << c.area;
    }
}

TEST(RacewayFill, GridAndStepsOfSixteen12THHNIn34Emt) {
    const RacewayFillResult r = std::get<RacewayFillResult>(fill("EMT", {{THHN, "12", 16}}));
    ASSERT_EQ(r.grid.size(), 10u); // EMT 1/2 ... 4
    EXPECT_EQ(r.grid.front().maxOfGroup1, 9);
    EXPECT_NEAR(*r.grid.back().fillPercent, 100 * 0.2128 / 14.753, 1e-9);
    const QStringList steps = {
        "Raceway: EMT, Chapter 9 Table 4 (Article 358)",
        "Group 1: 16 × 12 AWG THHN, THWN, THWN-2 at 0.0133 in² (Chapter 9 Table 5) = 0.2128 in²",
        "Conductors: 16",
        "Conductor area: 0.2128 in²",
        "Fill limit, Chapter 9 Table 1, more than two conductors: 40 %",
        "Chapter 9 Note 7: all conductors alike, so a count rounds up when its fraction is 0.8 or "
        "more",
        "Trade size 1/2: 40 % × 0.304 in² = 0.1216 in²; 0.1216 ÷ 0.0133 = 9.142 → 9 conductors: "
        "too small",
        "Trade size 3/4: 40 % × 0.533 in² = 0.2132 in²; 0.2132 ÷ 0.0133 = 16.030 → 16 conductors: "
        "holds",
        "Smallest trade size: 3/4 EMT",
        "Fill: 100 × 0.2128 in² ÷ 0.533 in² = 39.92 %",
    };
    EXPECT_EQ(r.steps.join(u'\n').toStdString(), steps.join(u'\n').toStdString());

    // The maxima belong to group 1 alone: a second group clears them.
    const RacewayFillResult mixed =
        std::get<RacewayFillResult>(fill("EMT", {{THHN, "12", 16}, {THHN, "14", 1}}));
    for (const TradeSizeFill& l : mixed.grid)
        EXPECT_FALSE(l.maxOfGroup1) << qPrintable(l.tradeSize);
    EXPECT_TRUE(mixed.steps.contains(
        "Trade size 3/4: 40 % × 0.533 in² = 0.2132 in² < 0.2225 in²: too small"));
}

TEST(RacewayFill, ListsAndOneSourceMarksComeFromTheTables) {
    EXPECT_EQ(raceways().raceways(), QStringList({"EMT", "IMC", "RMC", "PVC-40/HDPE", "ENT", "FMC",
                                                  "LFNC-B", "LFNC-A", "PVC-80"}));
    QStringList pvc;
    for (const RacewayRow& row : raceways().tradeSizes("PVC-40/HDPE"))
        pvc << withSingleSourceMark(row.tradeSize, row.singleSource);
    EXPECT_EQ(pvc, QStringList({"1/2†", "3/4", "1†", "1-1/4", "1-1/2", "2", "2-1/2", "3", "3-1/2†",
                                "4", "5†", "6†"}));
    const QStringList types = conductors().types();
    EXPECT_EQ(types.mid(types.size() - 2), QStringList({"TFN, TFFN", "Bare"}));
    EXPECT_TRUE(conductors().singleSourceOnly("TFN, TFFN"));
    EXPECT_EQ(conductors().sizes(RHH).back().caption(), "2000 kcmil");
    EXPECT_EQ(conductors().sizes(Bare).size(), 30u); // Table 8 stranded, 18 AWG ... 2000 kcmil

    const RacewayFillResult pvcFill =
        std::get<RacewayFillResult>(fill("PVC-40/HDPE", {{THHN, "12", 3}}));
    EXPECT_FALSE(pvcFill.racewaySingleSource);
    EXPECT_TRUE(pvcFill.steps.contains("Smallest trade size: 1/2† PVC-40/HDPE"));
    EXPECT_EQ(pvcFill.steps.back(), "† one source only: check against your code book");
    const RacewayFillResult rhh = std::get<RacewayFillResult>(fill("RMC", {{RHH, "800", 1}}));
    EXPECT_TRUE(rhh.steps.contains("Group 1: 1 × 800 kcmil RHH, RHW, RHW-2† at 1.4957 in² "
                                   "(Chapter 9 Table 5) = 1.4957 in²"));
    // ENT: every row from one source; 2-1/2 ... 4 are printed with dashes.
    const RacewayFillResult ent = std::get<RacewayFillResult>(fill("ENT", {{Bare, "10", 1}}));
    EXPECT_TRUE(ent.steps.front().startsWith("Raceway: ENT†,"));
    EXPECT_FALSE(line(ent, "3").fillPercent);
}

TEST(RacewayFill, Refusals) {
    const std::pair<Outcome<RacewayFillResult>, const char*> cases[] = {
        {fill("EMT", {{THHN, "12", 1.5}}),
         "The count for Group 1 must be a whole number of 0 or more."},
        {fill("EMT", {{THHN, "12", 1}, {THHN, "12", std::nan("")}}),
         "The count for Group 2 must be a whole number of 0 or more."},
        {fill("EMT", {{THHN, "12", 0}}), "Enter the count of at least one group of conductors."},
        {fill("EMT", {{THHN, "12", 1000}}),
         "No trade size of EMT in Chapter 9 Table 4 holds these conductors."},
        {fill("EMT", {{THHN, "12", 1e9}, {Bare, "2000", 1e9}}),
         "No trade size of EMT in Chapter 9 Table 4 holds these conductors."},
        {fill("LFMC", {{THHN, "12", 1}}), "The raceway \"LFMC\" is not in Chapter 9 Table 4."},
        {fill("EMT", {{"TFN, TFFN", "12", 1}}),
         "Group 1: 12 AWG TFN, TFFN is not in the conductor tables."},
    };
    for (const auto& [outcome, message] : cases) {
        ASSERT_TRUE(std::holds_alternative<Refusal>(outcome)) << message;
        EXPECT_EQ(std::get<Refusal>(outcome).message, QString::fromUtf8(message));
    }
}

} // namespace
