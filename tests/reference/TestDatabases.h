#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <utility>

class QTemporaryDir;

// Folders the build passes in: the test CSVs beside these tests and the shipped data.
QString testDataPath(const QString& file);
QString referenceDataDirectory();

// Builds a database in `dir` from the test CSVs sample_keys.csv (table "sample") and
// empty_table.csv (table "empty") with the generator, and returns its path.
QString buildSampleDatabase(const QTemporaryDir& dir);

// Builds a database `fileName` in `dir` from CSV texts, one per table (name, text), and returns
// its path: small tables with exactly the rows and fields a test needs.
QString buildDatabase(const QTemporaryDir& dir, const QString& fileName,
                      const QList<std::pair<QString, QString>>& csvTables);

// What a file and its folder look like, to show that reading changed nothing: the file's bytes
// and modification time, and the names in the folder (a journal, -wal or -shm would show).
struct FileSnapshot {
    QByteArray bytes;
    QDateTime modified;
    QStringList folder;

    static FileSnapshot of(const QString& path);
    bool operator==(const FileSnapshot&) const = default;
};
