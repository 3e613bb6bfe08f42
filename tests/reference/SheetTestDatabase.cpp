#include "SheetTestDatabase.h"

#include "CsvFile.h"
#include "DatabaseWriter.h"
#include "ReferenceTable.h"

#include <QTemporaryDir>

QString writeSheetTestDatabase(const QTemporaryDir& dir,
                               const std::vector<std::pair<QString, QString>>& tables) {
    QList<refgen::ReferenceTable> tablesOut;
    for (const auto& [name, csv] : tables)
        tablesOut << refgen::copiedTable(name,
                                         refgen::parseCsv(csv, name + QStringLiteral(".csv")));
    static int databasesWritten = 0; // a new file each time, so earlier paths stay valid
    const QString path = dir.filePath(QStringLiteral("sheet%1.db").arg(++databasesWritten));
    refgen::writeDatabase(tablesOut, path);
    return path;
}
