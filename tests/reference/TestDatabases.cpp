#include "TestDatabases.h"

#include "CsvFile.h"
#include "DatabaseWriter.h"
#include "ReferenceTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

QString testDataPath(const QString& file) {
    return QDir(QStringLiteral(KELVO_TEST_DATA_DIR)).filePath(file);
}

QString referenceDataDirectory() {
    return QStringLiteral(KELVO_REFERENCE_DATA_DIR);
}

QString buildSampleDatabase(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("sample.db"));
    refgen::writeDatabase(
        {refgen::copiedTable(QStringLiteral("sample"),
                             refgen::readCsvFile(testDataPath(QStringLiteral("sample_keys.csv")))),
         refgen::copiedTable(QStringLiteral("empty"),
                             refgen::readCsvFile(testDataPath(QStringLiteral("empty_table.csv"))))},
        path);
    return path;
}

QString buildDatabase(const QTemporaryDir& dir, const QString& fileName,
                      const QList<std::pair<QString, QString>>& csvTables) {
    QList<refgen::ReferenceTable> tables;
    for (const auto& [name, csv] : csvTables)
        tables << refgen::copiedTable(name, refgen::parseCsv(csv, name + QStringLiteral(".csv")));
    const QString path = dir.filePath(fileName);
    refgen::writeDatabase(tables, path);
    return path;
}

FileSnapshot FileSnapshot::of(const QString& path) {
    QFile file(path);
    FileSnapshot snapshot;
    if (file.open(QIODevice::ReadOnly))
        snapshot.bytes = file.readAll();
    snapshot.modified = QFileInfo(path).lastModified();
    snapshot.folder = QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden, QDir::Name);
    return snapshot;
}
