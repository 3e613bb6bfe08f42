#include "CodeTableCsvFill.h"

#include "CodeTableCsv.h"

namespace CodeTableCsv {

namespace {

std::vector<Nec::RacewayRow> racewayRows(const QString& fileName) {
    const refgen::CsvFile csv = read(fileName);
    const int article = csv.column(QStringLiteral("article"));
    const int raceway = csv.column(QStringLiteral("raceway"));
    const int tradeSize = csv.column(QStringLiteral("trade_size"));
    const int total = csv.column(QStringLiteral("total_area_100_in2"));
    std::vector<Nec::RacewayRow> rows;
    for (const QStringList& row : csv.rows)
        rows.push_back({row[article], row[raceway], row[tradeSize], number(row[total]), false});
    return rows;
}

std::vector<Nec::ConductorAreaRow> conductorRows(const QString& fileName) {
    const refgen::CsvFile csv = read(fileName);
    const int type = csv.column(QStringLiteral("type_group"));
    const int size = csv.column(QStringLiteral("size"));
    const int unit = csv.column(QStringLiteral("size_unit"));
    const int area = csv.column(QStringLiteral("approx_area_in2"));
    std::vector<Nec::ConductorAreaRow> rows;
    for (const QStringList& row : csv.rows)
        rows.push_back({row[type], {row[size], row[unit]}, row[area].toDouble(), false});
    return rows;
}

} // namespace

Nec::RacewayTable racewayAreas() {
    return Nec::mergeRacewayTables(
        racewayRows(QStringLiteral("raceway_areas_ch9_t4.csv")),
        racewayRows(QStringLiteral("raceway_areas_ch9_t4_single_source.csv")));
}

Nec::ConductorAreaTable conductorAreas() {
    const refgen::CsvFile t8 = read(QStringLiteral("conductor_properties_ch9_t8.csv"));
    const int size = t8.column(QStringLiteral("size"));
    const int unit = t8.column(QStringLiteral("size_unit"));
    const int stranding = t8.column(QStringLiteral("stranding"));
    const int area = t8.column(QStringLiteral("overall_area_in2"));
    std::vector<Nec::Table8Conductor> bare;
    for (const QStringList& row : t8.rows)
        bare.push_back({{row[size], row[unit]}, row[stranding], number(row[area])});
    return Nec::mergeConductorAreas(
        conductorRows(QStringLiteral("conductor_areas_ch9_t5.csv")),
        conductorRows(QStringLiteral("conductor_areas_ch9_t5_single_source.csv")), bare);
}

Nec::BoxAllowanceTable boxAllowances() {
    const refgen::CsvFile csv = read(QStringLiteral("box_fill_314_16_B.csv"));
    const int size = csv.column(QStringLiteral("size"));
    const int volume = csv.column(QStringLiteral("cubic_inches"));
    Nec::BoxAllowanceTable table;
    for (const QStringList& row : csv.rows)
        table.rows.push_back({{row[size], QStringLiteral("AWG")}, row[volume].toDouble()});
    return table;
}

Nec::MetalBoxTable metalBoxes() {
    const refgen::CsvFile csv = read(QStringLiteral("metal_boxes_314_16_A.csv"));
    const int tradeSize = csv.column(QStringLiteral("trade_size_in"));
    const int type = csv.column(QStringLiteral("box_type"));
    const int volume = csv.column(QStringLiteral("min_volume_in3"));
    Nec::MetalBoxTable table;
    for (const QStringList& row : csv.rows)
        table.boxes.push_back({row[tradeSize], row[type], row[volume].toDouble()});
    return table;
}

} // namespace CodeTableCsv
