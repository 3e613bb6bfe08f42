#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace refgen {

struct CsvFile;

// One table of the reference database as it will be written: its fields in order and its rows
// in stored order. A null QVariant is an empty cell. Cells copied from a CSV are text, exactly
// as the source prints them ("8.0" stays "8.0"); computed counts and torques are integers.
struct ReferenceTable {
    enum class FieldType { Text, Integer };

    QString name;
    QStringList fields;
    QList<FieldType> types;
    QList<QVariantList> rows;

    void addField(const QString& field, FieldType type = FieldType::Text);
};

// The CSV's columns and rows as they are; an empty cell becomes an empty (null) field.
ReferenceTable copiedTable(const QString& name, const CsvFile& csv);

// Throws GeneratorError when the first field (the key) is empty or repeated in some row, or a
// row's size differs from the field list.
void checkKeys(const ReferenceTable& table);

// Throws GeneratorError when a non-empty cell of any field but the key is not a plain decimal
// number (digits with at most one point), the form every current table holds.
void checkDecimalCells(const ReferenceTable& table);

} // namespace refgen
