#include "nec/MotorTableReader.h"

#include "database/Recordset.h"
#include "database/SheetTables.h"
#include "database/TableNames.h"
#include "nec/CodeTableReader.h"

namespace CodeTableReader {

namespace {
QString field(const Recordset& table, const char* name) {
    return table.Field(QString::fromLatin1(name));
}
} // namespace

Nec::MotorOcpdTable motorOcpd(Recordset& table) {
    constexpr Nec::MotorDevice devices[] = {
        Nec::MotorDevice::NontimeDelayFuse, Nec::MotorDevice::DualElementFuse,
        Nec::MotorDevice::InstantaneousTripBreaker, Nec::MotorDevice::InverseTimeBreaker};
    Nec::MotorOcpdTable out;
    for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
        Nec::MotorOcpdRow row{
            field(table, "motor_type"), field(table, "parent"), field(table, "printed_label"), {}};
        for (Nec::MotorDevice device : devices)
            row.percent[static_cast<std::size_t>(device)] =
                number(table.Field(Nec::motorDeviceColumn(device)));
        out.rows.push_back(row);
    }
    return out;
}

Nec::MotorOverloadTable motorOverload(Recordset& table) {
    Nec::MotorOverloadTable out;
    for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
        const QString label = field(table, "motor_condition");
        out.rows.push_back({Nec::overloadConditionOf(label), label,
                            number(field(table, "max_pct_430_32_A_1")),
                            number(field(table, "max_pct_430_32_C"))});
    }
    return out;
}

Nec::EgcTable egc(Recordset& table) {
    Nec::EgcTable out;
    for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
        // A row without its rating cannot be entered, so it is not read.
        if (const auto amperes = number(field(table, "ocpd_max_a")))
            out.rows.push_back({*amperes, Nec::conductorSizeFromBare(field(table, "cu_size")),
                                Nec::conductorSizeFromBare(field(table, "al_size"))});
    }
    return out;
}

Nec::TransformerOcpdTable transformerOcpd(Recordset& table) {
    using Method = Nec::TransformerProtectionMethod;
    Nec::TransformerOcpdTable out;
    for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
        const Nec::TransformerOcpdRow row{number(field(table, "primary_9a_or_more_pct")),
                                          number(field(table, "primary_less_than_9a_pct")),
                                          number(field(table, "primary_less_than_2a_pct")),
                                          number(field(table, "secondary_9a_or_more_pct")),
                                          number(field(table, "secondary_less_than_9a_pct"))};
        const QString method = field(table, "protection_method");
        if (method == Nec::transformerMethodKey(Method::PrimaryOnly))
            out.primaryOnly = row;
        else if (method == Nec::transformerMethodKey(Method::PrimaryAndSecondary))
            out.primaryAndSecondary = row;
    }
    return out;
}

Nec::MotorTables motorTables(SheetTables& tables) {
    return {ampacity(tables.table(TableNames::Ampacity)),
            standardRatings(tables.table(TableNames::StandardRatings)),
            motorOcpd(tables.table(TableNames::MotorOcpd)),
            motorOverload(tables.table(TableNames::MotorOverload)),
            egc(tables.table(TableNames::Egc))};
}

} // namespace CodeTableReader
