#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace refgen {

// One CSV file read whole: a header row naming the columns, then the data rows as written
// (fields may be quoted with "..." to hold commas; "" inside quotes is one quote).
struct CsvFile {
    QString path;
    QStringList header;
    QList<QStringList> rows;

    // Index of the named column; throws GeneratorError naming the file when it is absent.
    int column(const QString& name) const;
    // Where data row `row` sits in the file, for messages ("file.csv line 4").
    QString where(qsizetype row) const;
};

// Throws GeneratorError for an unreadable file, an empty one, an unclosed quote or a row whose
// field count differs from the header's.
CsvFile readCsvFile(const QString& path);

// The same parse over text in memory; `path` only names the source in messages.
CsvFile parseCsv(const QString& text, const QString& path);

} // namespace refgen
