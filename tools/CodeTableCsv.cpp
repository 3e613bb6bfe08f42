#include "CodeTableCsv.h"

#include <QDir>

namespace CodeTableCsv {

refgen::CsvFile read(const QString& fileName) {
    return refgen::readCsvFile(QDir(QStringLiteral(KELVO_REFERENCE_DATA_DIR)).filePath(fileName));
}

std::optional<double> number(const QString& cell) {
    if (cell.trimmed().isEmpty())
        return std::nullopt;
    return cell.toDouble();
}

Nec::AmpacityTable ampacity() {
    const refgen::CsvFile csv = read(QStringLiteral("ampacity_310_16.csv"));
    const int size = csv.column(QStringLiteral("size"));
    const int unit = csv.column(QStringLiteral("size_unit"));
    const char* copper[] = {"cu_60C", "cu_75C", "cu_90C"};
    const char* aluminum[] = {"al_60C", "al_75C", "al_90C"};
    Nec::AmpacityTable table;
    for (const QStringList& row : csv.rows) {
        Nec::AmpacityRow r{{row[size], row[unit]}, {}, {}};
        for (int c = 0; c < 3; ++c) {
            r.copper[c] = number(row[csv.column(QString::fromLatin1(copper[c]))]);
            r.aluminum[c] = number(row[csv.column(QString::fromLatin1(aluminum[c]))]);
        }
        table.rows.push_back(r);
    }
    return table;
}

Nec::StandardRatings standardRatings() {
    const refgen::CsvFile csv = read(QStringLiteral("standard_ocpd_240_6_A.csv"));
    const int amperes = csv.column(QStringLiteral("amperes"));
    const int fuseOnly = csv.column(QStringLiteral("fuse_only"));
    Nec::StandardRatings ratings;
    for (const QStringList& row : csv.rows)
        ratings.ratings.push_back({row[amperes].toDouble(), !row[fuseOnly].isEmpty()});
    return ratings;
}

} // namespace CodeTableCsv
