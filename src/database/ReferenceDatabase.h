#pragma once

#include "database/Recordset.h"

#include <QString>
#include <QStringList>

// The reference database file, opened read-only through Qt's SQLite driver. Opening never
// creates or changes a file: the connection is read-only and marks the file immutable, so SQLite
// takes no locks and writes no journal beside it. Each object has its own connection, removed
// when it is closed or destroyed.
//
// Failures are returned, never shown: Open() and OpenRecordset() return false or a closed
// Recordset, and ErrorText() holds a message for the error box that names what is missing (for a
// missing file, every path looked in).
class ReferenceDatabase {
public:
    static constexpr const char* fileName = "flcurrents.db";

    ReferenceDatabase();
    ~ReferenceDatabase();
    ReferenceDatabase(const ReferenceDatabase&) = delete;
    ReferenceDatabase& operator=(const ReferenceDatabase&) = delete;

    // Where the database is looked for, in order: beside the executable, then ../share/kelvo/
    // relative to it (an installed layout). Needs the application object.
    static QStringList DefaultPaths();

    // Opens the first of DefaultPaths() that exists.
    bool Open();
    // Opens the file at `path`. A database already open is closed first.
    bool Open(const QString& path);
    bool IsOpen() const { return !m_connection.isEmpty(); }
    const QString& Path() const { return m_path; }

    // Reads the table whole, rows in stored order, the cursor on the first row. When
    // `requiredFields` are given, a table lacking any of them is refused, so a sheet learns
    // of a missing field when it loads rather than at its first look-up.
    Recordset OpenRecordset(const QString& table, const QStringList& requiredFields = {});

    // Why the last Open or OpenRecordset failed ("" after a success).
    const QString& ErrorText() const { return m_error; }

    // Safe to call again, and before or after closing recordsets (they hold their own rows).
    void Close();

private:
    bool fail(QString error);

    QString m_connection;
    QString m_path;
    QString m_error;
};
