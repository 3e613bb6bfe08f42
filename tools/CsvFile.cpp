#include "CsvFile.h"

#include "GeneratorError.h"

#include <QFile>
#include <QFileInfo>

namespace refgen {

int CsvFile::column(const QString& name) const {
    const auto index = header.indexOf(name);
    if (index < 0)
        throw GeneratorError(QStringLiteral("%1: no column \"%2\"").arg(path, name));
    return int(index);
}

QString CsvFile::where(qsizetype row) const {
    return QStringLiteral("%1 line %2").arg(QFileInfo(path).fileName()).arg(row + 2);
}

namespace {

// Splits the text into records; a newline inside quotes belongs to the field.
QList<QStringList> splitRecords(const QString& text, const QString& path) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
            fieldStarted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
            fieldStarted = true;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            if (fieldStarted || !field.isEmpty() || !record.isEmpty()) {
                record << field;
                records << record;
            }
            record.clear();
            field.clear();
            fieldStarted = false;
        } else {
            field += c;
        }
    }
    if (quoted)
        throw GeneratorError(QStringLiteral("%1: a quoted field is not closed").arg(path));
    if (fieldStarted || !field.isEmpty() || !record.isEmpty()) {
        record << field;
        records << record;
    }
    return records;
}

} // namespace

CsvFile parseCsv(const QString& text, const QString& path) {
    QList<QStringList> records = splitRecords(text, path);
    if (records.isEmpty())
        throw GeneratorError(QStringLiteral("%1: the file is empty").arg(path));
    CsvFile csv{path, records.takeFirst(), std::move(records)};
    for (qsizetype row = 0; row < csv.rows.size(); ++row) {
        if (csv.rows[row].size() != csv.header.size())
            throw GeneratorError(QStringLiteral("%1: %2 fields where the header has %3")
                                     .arg(csv.where(row))
                                     .arg(csv.rows[row].size())
                                     .arg(csv.header.size()));
    }
    return csv;
}

CsvFile readCsvFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw GeneratorError(QStringLiteral("%1: cannot read (%2)").arg(path, file.errorString()));
    return parseCsv(QString::fromUtf8(file.readAll()), path);
}

} // namespace refgen
