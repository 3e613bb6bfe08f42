#include "nec/FillTableReader.h"

#include "database/Recordset.h"
#include "nec/CodeTableReader.h"

namespace CodeTableReader {

namespace {

QString field(const Recordset& table, const char* name) {
    return table.Field(QString::fromLatin1(name));
}

bool oneSource(const Recordset& table) {
    return !field(table, "one_source").trimmed().isEmpty();
}

} // namespace

Nec::RacewayTable racewayAreas(Recordset& table4) {
    std::vector<Nec::RacewayRow> confirmed;
    std::vector<Nec::RacewayRow> single;
    for (table4.MoveFirst(); !table4.EOF(); table4.MoveNext()) {
        Nec::RacewayRow row{field(table4, "article"), field(table4, "raceway"),
                            field(table4, "trade_size"),
                            number(field(table4, "total_area_100_in2")), false};
        (oneSource(table4) ? single : confirmed).push_back(row);
    }
    return Nec::mergeRacewayTables(std::move(confirmed), std::move(single));
}

Nec::ConductorAreaTable conductorAreas(Recordset& table5, Recordset& table8) {
    std::vector<Nec::ConductorAreaRow> confirmed;
    std::vector<Nec::ConductorAreaRow> single;
    for (table5.MoveFirst(); !table5.EOF(); table5.MoveNext()) {
        // Every Table 5 row has an area (the generator refuses one without); a cell that does
        // not read is left out rather than taken as 0.
        const auto area = number(field(table5, "approx_area_in2"));
        if (!area)
            continue;
        Nec::ConductorAreaRow row{field(table5, "type_group"),
                                  {field(table5, "size"), field(table5, "size_unit")},
                                  *area,
                                  false};
        (oneSource(table5) ? single : confirmed).push_back(row);
    }
    std::vector<Nec::Table8Conductor> bare;
    for (table8.MoveFirst(); !table8.EOF(); table8.MoveNext())
        bare.push_back({{field(table8, "size"), field(table8, "size_unit")},
                        field(table8, "stranding"),
                        number(field(table8, "overall_area_in2"))});
    return Nec::mergeConductorAreas(confirmed, single, bare);
}

Nec::BoxAllowanceTable boxAllowances(Recordset& table) {
    Nec::BoxAllowanceTable out;
    for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
        if (const auto volume = number(field(table, "cubic_inches")))
            out.rows.push_back({{field(table, "size"), QStringLiteral("AWG")}, *volume});
    }
    return out;
}

Nec::MetalBoxTable metalBoxes(Recordset& table) {
    Nec::MetalBoxTable out;
    for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
        if (const auto volume = number(field(table, "min_volume_in3")))
            out.boxes.push_back({field(table, "trade_size_in"), field(table, "box_type"), *volume});
    }
    return out;
}

} // namespace CodeTableReader
