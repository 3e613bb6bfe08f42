#include "ReferenceTable.h"

#include "CsvFile.h"
#include "GeneratorError.h"

#include <QRegularExpression>
#include <QSet>

namespace refgen {

void ReferenceTable::addField(const QString& field, FieldType type) {
    fields << field;
    types << type;
}

ReferenceTable copiedTable(const QString& name, const CsvFile& csv) {
    ReferenceTable table{name, {}, {}, {}};
    for (const QString& field : csv.header)
        table.addField(field);
    for (const QStringList& cells : csv.rows) {
        QVariantList row;
        for (const QString& cell : cells)
            row << (cell.isEmpty() ? QVariant() : QVariant(cell));
        table.rows << row;
    }
    return table;
}

void checkKeys(const ReferenceTable& table) {
    QSet<QString> seen;
    for (const QVariantList& row : table.rows) {
        if (row.size() != table.fields.size())
            throw GeneratorError(QStringLiteral("table %1: a row has %2 fields, not %3")
                                     .arg(table.name)
                                     .arg(row.size())
                                     .arg(table.fields.size()));
        const QString key = row.value(0).toString();
        if (key.isEmpty())
            throw GeneratorError(QStringLiteral("table %1: a row has no key").arg(table.name));
        if (seen.contains(key))
            throw GeneratorError(
                QStringLiteral("table %1: the key %2 appears twice").arg(table.name, key));
        seen.insert(key);
    }
}

void checkDecimalCells(const ReferenceTable& table) {
    static const QRegularExpression decimal(QStringLiteral("^(\\d+\\.?\\d*|\\.\\d+)$"));
    for (const QVariantList& row : table.rows) {
        for (qsizetype field = 1; field < row.size(); ++field) {
            const QString cell = row[field].toString();
            if (!row[field].isNull() && !decimal.match(cell).hasMatch())
                throw GeneratorError(
                    QStringLiteral("table %1, row %2, field %3: \"%4\" is not a "
                                   "decimal number")
                        .arg(table.name, row[0].toString(), table.fields[field], cell));
        }
    }
}

} // namespace refgen
