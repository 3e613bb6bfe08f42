#include "ConduitTable.h"

#include "ConduitFill.h"
#include "CsvFile.h"
#include "GeneratorError.h"
#include "database/TableNames.h"

#include <QHash>
#include <algorithm>

namespace refgen {

namespace {

double positiveArea(const CsvFile& csv, qsizetype row, int column) {
    bool ok = false;
    const double area = csv.rows[row][column].toDouble(&ok);
    if (!ok || !(area > 0.0))
        throw GeneratorError(
            QStringLiteral("%1: \"%2\" is not an area").arg(csv.where(row), csv.rows[row][column]));
    return area;
}

QString areaKey(const QString& type, const QString& size) {
    return type + u'|' + size;
}

} // namespace

ReferenceTable conduitTable(const CsvFile& keys, const CsvFile& conduitAreas,
                            const CsvFile& conductorAreas) {
    const int tradeSize = conduitAreas.column(QStringLiteral("trade_size"));
    const int conduitArea = conduitAreas.column(QStringLiteral("area_100pct_sq_in"));
    const int type = conductorAreas.column(QStringLiteral("type"));
    const int size = conductorAreas.column(QStringLiteral("size"));
    const int conductorArea = conductorAreas.column(QStringLiteral("area_sq_in"));
    const int key = keys.column(QStringLiteral("ConductorSize"));
    const int wireSize = keys.column(QStringLiteral("wire_size"));
    const int groupTypes = keys.column(QStringLiteral("conductor_types"));

    ReferenceTable table{TableNames::Conduit, {}, {}, {}};
    table.addField(QStringLiteral("ConductorSize"));
    QList<double> tradeAreas;
    for (qsizetype row = 0; row < conduitAreas.rows.size(); ++row) {
        table.addField(conduitAreas.rows[row][tradeSize], ReferenceTable::FieldType::Integer);
        tradeAreas << positiveArea(conduitAreas, row, conduitArea);
    }

    QHash<QString, double> areaOf;
    for (qsizetype row = 0; row < conductorAreas.rows.size(); ++row)
        areaOf.insert(areaKey(conductorAreas.rows[row][type], conductorAreas.rows[row][size]),
                      positiveArea(conductorAreas, row, conductorArea));

    for (qsizetype row = 0; row < keys.rows.size(); ++row) {
        const QStringList& cells = keys.rows[row];
        const QStringList types = cells[groupTypes].split(u';', Qt::SkipEmptyParts);
        if (types.isEmpty())
            throw GeneratorError(QStringLiteral("%1: no conductor type").arg(keys.where(row)));
        double largest = 0.0;
        for (const QString& t : types) {
            const QString pair = areaKey(t.trimmed(), cells[wireSize]);
            if (!areaOf.contains(pair))
                throw GeneratorError(
                    QStringLiteral("%1: no area for %2 size %3 in %4")
                        .arg(keys.where(row), t.trimmed(), cells[wireSize], conductorAreas.path));
            largest = std::max(largest, areaOf.value(pair));
        }
        QVariantList out{cells[key]};
        for (double area : tradeAreas)
            out << conductorsThatFit(area, largest);
        table.rows << out;
    }
    return table;
}

} // namespace refgen
