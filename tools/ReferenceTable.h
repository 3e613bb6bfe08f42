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

// Throws GeneratorError when a row's key is empty or repeated, or a row's size differs from the
// field list. The key is the first field, or else `keyFields` together ("EMT 1/2") for a table
// whose rows no single field tells apart; each of them must be filled.
void checkKeys(const ReferenceTable& table, const QStringList& keyFields = {});

// Throws GeneratorError, naming file, line and field, when a non-empty cell of one of `fields` is
// not a plain decimal number (digits with at most one point), or the CSV lacks the field.
void checkDecimalCells(const CsvFile& csv, const QStringList& fields);

// The same for mark fields: a cell is "yes" or empty, so a sheet can test it for being filled.
void checkMarkCells(const CsvFile& csv, const QStringList& fields);

} // namespace refgen
