#include "CodeTables.h"

#include "CsvFile.h"
#include "GeneratorError.h"
#include "database/TableNames.h"

#include <QDir>
#include <QHash>
#include <vector>

namespace refgen {

namespace {

// A table joined from two files: the rows two sources confirm, then those resting on one, placed
// by group (a raceway, a type line) and within it by size, which the area follows.
struct Joined {
    const char* singleSource; // stem of the CSV of the rows resting on one source
    const char* group;
    const char* order;
};

const Joined raceways{"raceway_areas_ch9_t4_single_source", "raceway", "total_area_100_in2"};
const Joined conductors{"conductor_areas_ch9_t5_single_source", "type_group", "approx_area_in2"};

struct CodeTable {
    QLatin1StringView name; // the table, and the stem of its CSV
    const Joined* joined;   // nullptr: the one CSV is the table
    QStringList keys;       // the fields that tell the rows apart
    QStringList decimals;   // fields whose cells are plain decimal numbers
    QStringList marks;      // fields holding "yes" or nothing
};

std::vector<CodeTable> codeTableList() {
    const QStringList percents{"primary_9a_or_more_pct", "primary_less_than_9a_pct",
                               "primary_less_than_2a_pct", "secondary_9a_or_more_pct",
                               "secondary_less_than_9a_pct"};
    return {
        {TableNames::Ampacity,
         nullptr,
         {"size"},
         {"cu_60C", "cu_75C", "cu_90C", "al_60C", "al_75C", "al_90C"},
         {}},
        {TableNames::TemperatureCorrection,
         nullptr,
         {"ambient_c_range"},
         {"f_60C", "f_75C", "f_90C", "ambient_c_min", "ambient_c_max", "ambient_f_min",
          "ambient_f_max"},
         {}},
        {TableNames::Adjustment,
         nullptr,
         {"conductors_min"},
         {"conductors_min", "conductors_max", "percent"},
         {}},
        {TableNames::SmallConductor, nullptr, {"size", "metal"}, {"max_ocpd_a"}, {}},
        {TableNames::StandardRatings, nullptr, {"amperes"}, {"amperes"}, {"fuse_only"}},
        {TableNames::ConductorProperties,
         nullptr,
         {"size", "stranding"},
         {"area_cmil", "strand_count", "strand_diameter_in", "overall_diameter_in",
          "overall_area_in2", "cu_uncoated", "cu_coated", "al"},
         {}},
        {TableNames::Impedance,
         nullptr,
         {"size"},
         {"xl_pvc_al", "xl_steel", "r_cu_pvc", "r_cu_al", "r_cu_steel", "r_al_pvc", "r_al_al",
          "r_al_steel", "z_cu_pvc_085", "z_cu_al_085", "z_cu_steel_085", "z_al_pvc_085",
          "z_al_al_085", "z_al_steel_085"},
         {}},
        {TableNames::RacewayAreas,
         &raceways,
         {"raceway", "trade_size"},
         {"article", "metric_designator", "nominal_id_in", "total_area_100_in2", "area_60_in2",
          "area_1wire_53_in2", "area_2wires_31_in2", "area_over2_40_in2"},
         {}},
        {TableNames::ConductorAreas,
         &conductors,
         {"type_group", "size"},
         {"approx_diameter_in", "approx_area_in2"},
         {}},
        {TableNames::BoxAllowances, nullptr, {"size"}, {"cubic_inches"}, {}},
        {TableNames::MetalBoxes,
         nullptr,
         {"trade_size_in", "box_type"},
         {"min_volume_cm3", "min_volume_in3", "max_18", "max_16", "max_14", "max_12", "max_10",
          "max_8", "max_6"},
         {}},
        {TableNames::Egc, nullptr, {"ocpd_max_a"}, {"ocpd_max_a"}, {}},
        {TableNames::MotorOcpd,
         nullptr,
         {"motor_type"},
         {"nontime_delay_fuse", "dual_element_fuse", "instantaneous_trip_breaker",
          "inverse_time_breaker"},
         {}},
        {TableNames::MotorOverload,
         nullptr,
         {"motor_condition"},
         {"max_pct_430_32_A_1", "max_pct_430_32_C"},
         {}},
        {TableNames::TransformerOcpd, nullptr, {"protection_method"}, percents, {}},
    };
}

QVariantList tableRow(const QStringList& cells) {
    QVariantList row;
    for (const QString& cell : cells)
        row << (cell.isEmpty() ? QVariant() : QVariant(cell));
    return row;
}

// The confirmed rows in their order, then each single-source row placed in its group: after the
// group's last row of smaller order value (before its first row when none is smaller, after its
// last row when the row has no value), or at the end when only the single-source file has the
// group. So a raceway's trade sizes, and a type line's sizes, keep their size order.
ReferenceTable joinedTable(const QString& name, const CsvFile& confirmed,
                           const CsvFile& singleSource, const Joined& joined) {
    if (singleSource.header != confirmed.header)
        throw GeneratorError(QStringLiteral("%1: the columns differ from those of %2")
                                 .arg(singleSource.path, confirmed.path));
    const int group = confirmed.column(QString::fromLatin1(joined.group));
    const int value = confirmed.column(QString::fromLatin1(joined.order));

    ReferenceTable table = copiedTable(name, confirmed);
    table.addField(QStringLiteral("one_source"));
    for (QVariantList& row : table.rows)
        row << QVariant();
    for (const QStringList& cells : singleSource.rows) {
        qsizetype first = -1;
        qsizetype last = -1;
        qsizetype afterSmaller = -1;
        for (qsizetype i = 0; i < table.rows.size(); ++i) {
            const QVariantList& row = table.rows[i];
            if (row[group].toString() != cells[group])
                continue;
            if (first < 0)
                first = i;
            last = i;
            if (!row[value].isNull() && !cells[value].isEmpty() &&
                row[value].toString().toDouble() < cells[value].toDouble())
                afterSmaller = i;
        }
        qsizetype at = table.rows.size();
        if (first >= 0)
            at = cells[value].isEmpty() ? last + 1 : afterSmaller >= 0 ? afterSmaller + 1 : first;
        table.rows.insert(at, tableRow(cells) << QVariant(QStringLiteral("yes")));
    }
    return table;
}

// Throws GeneratorError when, within a group, an order value is not larger than the one before:
// a slip in either file would otherwise put a row out of its size.
void checkSizeOrder(const ReferenceTable& table, const Joined& joined) {
    const qsizetype group = table.fields.indexOf(QString::fromLatin1(joined.group));
    const qsizetype value = table.fields.indexOf(QString::fromLatin1(joined.order));
    QHash<QString, double> previous;
    for (const QVariantList& row : table.rows) {
        if (row[value].isNull())
            continue;
        const QString name = row[group].toString();
        const double area = row[value].toString().toDouble();
        if (previous.contains(name) && !(area > previous.value(name)))
            throw GeneratorError(
                QStringLiteral("table %1: in %2, %3 %4 follows %5; the rows must run in size "
                               "order")
                    .arg(table.name, name, QString::fromLatin1(joined.order), row[value].toString())
                    .arg(previous.value(name)));
        previous.insert(name, area);
    }
}

} // namespace

QList<ReferenceTable> codeTables(const QString& dataDirectory) {
    const QDir dir(dataDirectory);
    const auto checkedCsv = [&dir](QLatin1StringView stem, const CodeTable& t) {
        CsvFile csv = readCsvFile(dir.filePath(QString(stem) + QStringLiteral(".csv")));
        checkDecimalCells(csv, t.decimals);
        checkMarkCells(csv, t.marks);
        return csv;
    };

    QList<ReferenceTable> tables;
    for (const CodeTable& t : codeTableList()) {
        const QString name = t.name;
        const CsvFile csv = checkedCsv(t.name, t);
        if (t.joined) {
            tables << joinedTable(
                name, csv, checkedCsv(QLatin1StringView(t.joined->singleSource), t), *t.joined);
            checkSizeOrder(tables.last(), *t.joined);
        } else {
            tables << copiedTable(name, csv);
        }
        checkKeys(tables.last(), t.keys);
    }
    return tables;
}

} // namespace refgen
