#include "TorqueTable.h"

#include "CsvFile.h"
#include "GeneratorError.h"
#include "database/TableNames.h"

#include <cmath>

namespace refgen {

long long torquePoundInches(double horsepower, int rpm) {
    // 33000 ft-lb/min per hp x 12 in/ft / (2 pi rad/rev) = 63025 lb-in per hp at 1 rpm.
    constexpr double poundInchesPerHpRpm = 63025.0;
    return std::llround(horsepower * poundInchesPerHpRpm / rpm);
}

ReferenceTable torqueTable(const CsvFile& horsepower) {
    const int hp = horsepower.column(QStringLiteral("HP"));
    ReferenceTable table{TableNames::Torque, {}, {}, {}};
    table.addField(QStringLiteral("HP"));
    for (int rpm : torqueSpeeds)
        table.addField(QStringLiteral("RPM%1").arg(rpm), ReferenceTable::FieldType::Integer);

    for (qsizetype row = 0; row < horsepower.rows.size(); ++row) {
        const QString text = horsepower.rows[row][hp];
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok || !(value > 0.0))
            throw GeneratorError(
                QStringLiteral("%1: \"%2\" is not a horsepower").arg(horsepower.where(row), text));
        QVariantList out{text};
        for (int rpm : torqueSpeeds)
            out << torquePoundInches(value, rpm);
        table.rows << out;
    }
    return table;
}

} // namespace refgen
