#include "nec/ConductorTableReader.h"

#include "database/Recordset.h"
#include "nec/CodeTableReader.h"

namespace CodeTableReader {

namespace {

// The cells of the named fields on the current row, as numbers.
template <std::size_t N>
std::array<std::optional<double>, N> cells(const Recordset& table,
                                           const std::array<const char*, N>& names) {
    std::array<std::optional<double>, N> out;
    for (std::size_t i = 0; i < N; ++i)
        out[i] = number(table.Field(QString::fromLatin1(names[i])));
    return out;
}

Nec::ConductorSize sizeOf(const Recordset& table) {
    return {table.Field(QStringLiteral("size")), table.Field(QStringLiteral("size_unit"))};
}

} // namespace

Nec::TempCorrectionTable temperatureCorrection(Recordset& table) {
    Nec::TempCorrectionTable out;
    for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
        const auto bounds =
            cells<4>(table, {"ambient_c_min", "ambient_c_max", "ambient_f_min", "ambient_f_max"});
        out.rows.push_back({bounds[0], bounds[1], bounds[2], bounds[3],
                            cells<3>(table, {"f_60C", "f_75C", "f_90C"})});
    }
    return out;
}

Nec::AdjustmentTable adjustment(Recordset& table) {
    Nec::AdjustmentTable out;
    for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
        const auto c = cells<3>(table, {"conductors_min", "conductors_max", "percent"});
        // A row without its count or percentage is no row the calculation can use.
        if (c[0] && c[2])
            out.rows.push_back({*c[0], c[1], *c[2]});
    }
    return out;
}

Nec::SmallConductorLimits smallConductorLimits(Recordset& table) {
    Nec::SmallConductorLimits out;
    for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
        const auto metal = Nec::smallConductorMetal(table.Field(QStringLiteral("metal")));
        const auto amperes = number(table.Field(QStringLiteral("max_ocpd_a")));
        if (metal && amperes)
            out.limits.push_back(
                {{table.Field(QStringLiteral("size")), QStringLiteral("AWG")}, *metal, *amperes});
    }
    return out;
}

Nec::ImpedanceTable impedance(Recordset& table) {
    Nec::ImpedanceTable out;
    for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
        const auto x = cells<2>(table, {"xl_pvc_al", "xl_steel"});
        out.rows.push_back({sizeOf(table), x[0], x[1],
                            cells<3>(table, {"r_cu_pvc", "r_cu_al", "r_cu_steel"}),
                            cells<3>(table, {"r_al_pvc", "r_al_al", "r_al_steel"}),
                            cells<3>(table, {"z_cu_pvc_085", "z_cu_al_085", "z_cu_steel_085"}),
                            cells<3>(table, {"z_al_pvc_085", "z_al_al_085", "z_al_steel_085"})});
    }
    return out;
}

Nec::DcResistanceTable dcResistance(Recordset& table) {
    Nec::DcResistanceTable out;
    for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
        if (table.Field(QStringLiteral("stranding")) != u"stranded")
            continue;
        const auto r = cells<2>(table, {"cu_uncoated", "al"});
        out.rows.push_back({sizeOf(table), r[0], r[1]});
    }
    return out;
}

} // namespace CodeTableReader
