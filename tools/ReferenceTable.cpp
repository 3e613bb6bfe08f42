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

void checkKeys(const ReferenceTable& table, const QStringList& keyFields) {
    QList<qsizetype> keys{0};
    if (!keyFields.isEmpty()) {
        keys.clear();
        for (const QString& field : keyFields) {
            const qsizetype index = table.fields.indexOf(field);
            if (index < 0)
                throw GeneratorError(
                    QStringLiteral("table %1 has no key field %2").arg(table.name, field));
            keys << index;
        }
    }
    QSet<QString> seen;
    for (const QVariantList& row : table.rows) {
        if (row.size() != table.fields.size())
            throw GeneratorError(QStringLiteral("table %1: a row has %2 fields, not %3")
                                     .arg(table.name)
                                     .arg(row.size())
                                     .arg(table.fields.size()));
        QStringList parts;
        for (qsizetype index : keys)
            parts << row.value(index).toString();
        if (parts.contains(QString()))
            throw GeneratorError(QStringLiteral("table %1: a row has no key").arg(table.name));
        const QString key = parts.join(u' ');
        if (seen.contains(key))
            throw GeneratorError(
                QStringLiteral("table %1: the key %2 appears twice").arg(table.name, key));
        seen.insert(key);
    }
}

namespace {

void checkCells(const CsvFile& csv, const QStringList& fields, const QRegularExpression& form,
                const char* what) {
    for (const QString& field : fields) {
        const int column = csv.column(field);
        for (qsizetype row = 0; row < csv.rows.size(); ++row) {
            const QString& cell = csv.rows[row][column];
            if (!cell.isEmpty() && !form.match(cell).hasMatch())
                throw GeneratorError(
                    QStringLiteral("%1, field %2: \"%3\" is not %4")
                        .arg(csv.where(row), field, cell, QString::fromLatin1(what)));
        }
    }
}

} // namespace

void checkDecimalCells(const CsvFile& csv, const QStringList& fields) {
    static const QRegularExpression decimal(QStringLiteral("^(\\d+\\.?\\d*|\\.\\d+)$"));
    checkCells(csv, fields, decimal, "a decimal number");
}

void checkMarkCells(const CsvFile& csv, const QStringList& fields) {
    static const QRegularExpression mark(QStringLiteral("^yes$"));
    checkCells(csv, fields, mark, "\"yes\" or empty");
}

} // namespace refgen
