#include "CodeTableCsvAmpacity.h"

#include "CodeTableCsv.h"

namespace CodeTableCsv {

namespace {

// The cells of the named columns of one row, as numbers.
template <std::size_t N>
std::array<std::optional<double>, N> cells(const refgen::CsvFile& csv, const QStringList& row,
                                           const std::array<const char*, N>& names) {
    std::array<std::optional<double>, N> result;
    for (std::size_t i = 0; i < N; ++i)
        result[i] = number(row[csv.column(QString::fromLatin1(names[i]))]);
    return result;
}

} // namespace

Nec::TempCorrectionTable temperatureCorrection() {
    const refgen::CsvFile csv = read(QStringLiteral("temp_correction_310_15_B_1.csv"));
    Nec::TempCorrectionTable table;
    for (const QStringList& row : csv.rows) {
        const auto bounds = cells<4>(
            csv, row, {"ambient_c_min", "ambient_c_max", "ambient_f_min", "ambient_f_max"});
        table.rows.push_back({bounds[0], bounds[1], bounds[2], bounds[3],
                              cells<3>(csv, row, {"f_60C", "f_75C", "f_90C"})});
    }
    return table;
}

Nec::AdjustmentTable adjustment() {
    const refgen::CsvFile csv = read(QStringLiteral("adjustment_310_15_C_1.csv"));
    Nec::AdjustmentTable table;
    for (const QStringList& row : csv.rows) {
        const auto c = cells<3>(csv, row, {"conductors_min", "conductors_max", "percent"});
        table.rows.push_back({c[0].value_or(0), c[1], c[2].value_or(0)});
    }
    return table;
}

Nec::SmallConductorLimits smallConductorLimits() {
    const refgen::CsvFile csv = read(QStringLiteral("small_conductor_240_4D.csv"));
    const int size = csv.column(QStringLiteral("size"));
    const int metal = csv.column(QStringLiteral("metal"));
    const int amperes = csv.column(QStringLiteral("max_ocpd_a"));
    Nec::SmallConductorLimits limits;
    for (const QStringList& row : csv.rows)
        if (const auto m = Nec::smallConductorMetal(row[metal]))
            limits.limits.push_back(
                {{row[size], QStringLiteral("AWG")}, *m, row[amperes].toDouble()});
    return limits;
}

Nec::ImpedanceTable impedance() {
    const refgen::CsvFile csv = read(QStringLiteral("ac_resistance_reactance_ch9_t9.csv"));
    const int size = csv.column(QStringLiteral("size"));
    const int unit = csv.column(QStringLiteral("size_unit"));
    Nec::ImpedanceTable table;
    for (const QStringList& row : csv.rows) {
        const auto x = cells<2>(csv, row, {"xl_pvc_al", "xl_steel"});
        table.rows.push_back(
            {{row[size], row[unit]},
             x[0],
             x[1],
             cells<3>(csv, row, {"r_cu_pvc", "r_cu_al", "r_cu_steel"}),
             cells<3>(csv, row, {"r_al_pvc", "r_al_al", "r_al_steel"}),
             cells<3>(csv, row, {"z_cu_pvc_085", "z_cu_al_085", "z_cu_steel_085"}),
             cells<3>(csv, row, {"z_al_pvc_085", "z_al_al_085", "z_al_steel_085"})});
    }
    return table;
}

Nec::DcResistanceTable dcResistance() {
    const refgen::CsvFile csv = read(QStringLiteral("conductor_properties_ch9_t8.csv"));
    const int size = csv.column(QStringLiteral("size"));
    const int unit = csv.column(QStringLiteral("size_unit"));
    const int stranding = csv.column(QStringLiteral("stranding"));
    Nec::DcResistanceTable table;
    for (const QStringList& row : csv.rows) {
        if (row[stranding] != u"stranded")
            continue;
        const auto r = cells<2>(csv, row, {"cu_uncoated", "al"});
        table.rows.push_back({{row[size], row[unit]}, r[0], r[1]});
    }
    return table;
}

Nec::ConductorAmpacityTables conductorAmpacityTables() {
    return {ampacity(), temperatureCorrection(), adjustment(), smallConductorLimits(),
            standardRatings()};
}

Nec::VoltageDropTables voltageDropTables() {
    return {impedance(), dcResistance(), ampacity()};
}

} // namespace CodeTableCsv
