#include "SheetTestDatabase.h"

#include "CsvFile.h"
#include "DatabaseWriter.h"
#include "ReferenceTable.h"

#include <QTemporaryDir>

QString writeSheetTestDatabase(const QTemporaryDir& dir,
                               const std::vector<std::pair<QString, QString>>& tables) {
    QList<refgen::ReferenceTable> written;
    for (const auto& [name, csv] : tables)
        written << refgen::copiedTable(name, refgen::parseCsv(csv, name + QStringLiteral(".csv")));
    const QString path = dir.filePath(QStringLiteral("sheet.db"));
    refgen::writeDatabase(written, path);
    return path;
}
