#include "CodeTableCsvMotor.h"

#include "CodeTableCsv.h"

namespace CodeTableCsv {

Nec::MotorOcpdTable motorOcpd() {
    const refgen::CsvFile csv = read(QStringLiteral("motor_ocpd_430_52.csv"));
    const int type = csv.column(QStringLiteral("motor_type"));
    const int parent = csv.column(QStringLiteral("parent"));
    const int label = csv.column(QStringLiteral("printed_label"));
    const Nec::MotorDevice devices[] = {
        Nec::MotorDevice::NontimeDelayFuse, Nec::MotorDevice::DualElementFuse,
        Nec::MotorDevice::InstantaneousTripBreaker, Nec::MotorDevice::InverseTimeBreaker};
    Nec::MotorOcpdTable table;
    for (const QStringList& row : csv.rows) {
        Nec::MotorOcpdRow r{row[type], row[parent], row[label], {}};
        for (Nec::MotorDevice device : devices)
            r.percent[static_cast<std::size_t>(device)] =
                number(row[csv.column(Nec::motorDeviceColumn(device))]);
        table.rows.push_back(r);
    }
    return table;
}

Nec::MotorOverloadTable motorOverload() {
    const refgen::CsvFile csv = read(QStringLiteral("motor_overload_430_32.csv"));
    const int condition = csv.column(QStringLiteral("motor_condition"));
    const int percent = csv.column(QStringLiteral("max_pct_430_32_A_1"));
    const int limit = csv.column(QStringLiteral("max_pct_430_32_C"));
    Nec::MotorOverloadTable table;
    for (const QStringList& row : csv.rows) {
        const QString& label = row[condition];
        table.rows.push_back(
            {Nec::overloadConditionOf(label), label, number(row[percent]), number(row[limit])});
    }
    return table;
}

Nec::EgcTable egc() {
    const refgen::CsvFile csv = read(QStringLiteral("egc_250_122.csv"));
    const int amperes = csv.column(QStringLiteral("ocpd_max_a"));
    const int copper = csv.column(QStringLiteral("cu_size"));
    const int aluminum = csv.column(QStringLiteral("al_size"));
    Nec::EgcTable table;
    for (const QStringList& row : csv.rows)
        table.rows.push_back({row[amperes].toDouble(), Nec::conductorSizeFromBare(row[copper]),
                              Nec::conductorSizeFromBare(row[aluminum])});
    return table;
}

Nec::TransformerOcpdTable transformerOcpd() {
    const refgen::CsvFile csv = read(QStringLiteral("transformer_ocpd_450_3_B.csv"));
    const int method = csv.column(QStringLiteral("protection_method"));
    const auto cell = [&](const QStringList& row, const char* name) {
        return number(row[csv.column(QString::fromLatin1(name))]);
    };
    Nec::TransformerOcpdTable table;
    for (const QStringList& row : csv.rows) {
        const Nec::TransformerOcpdRow r{
            cell(row, "primary_9a_or_more_pct"), cell(row, "primary_less_than_9a_pct"),
            cell(row, "primary_less_than_2a_pct"), cell(row, "secondary_9a_or_more_pct"),
            cell(row, "secondary_less_than_9a_pct")};
        if (row[method] == Nec::transformerMethodKey(Nec::TransformerProtectionMethod::PrimaryOnly))
            table.primaryOnly = r;
        else if (row[method] ==
                 Nec::transformerMethodKey(Nec::TransformerProtectionMethod::PrimaryAndSecondary))
            table.primaryAndSecondary = r;
    }
    return table;
}

Nec::MotorTables motorTables() {
    return {ampacity(), standardRatings(), motorOcpd(), motorOverload(), egc()};
}

} // namespace CodeTableCsv
