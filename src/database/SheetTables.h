#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>

#include "database/Recordset.h"
#include "database/ReferenceDatabase.h"

// The tables a code-calculation sheet reads, read whole together when it loads. The database is
// closed again at once, and tables read from the shipped database are kept for the session, so
// opening the sheet again costs no database work. Like SheetDatabase, opening never shows
// anything, so the sheet always opens; a fault found then is told each time the sheet needs its
// tables.
class SheetTables {
public:
    // An empty `path` looks in the usual places beside the program.
    explicit SheetTables(const QStringList& tables, const QString& path = {});
    ~SheetTables();
    SheetTables(const SheetTables&) = delete;
    SheetTables& operator=(const SheetTables&) = delete;

    // True when every table opened; otherwise shows the database layer's message and returns
    // false.
    bool checkOpen() const;
    bool isOpen() const { return m_openFault.isEmpty(); }

    // The table by name; a closed recordset when it did not open.
    Recordset& table(const QString& name);

    // SheetDatabase's look-up on the named table: the cells as the sheet shows them, or nothing
    // after telling the fault (a table that did not open, a missing row or field).
    std::optional<QStringList> lookUp(const QString& table, const QString& keyField,
                                      const QString& key, const QStringList& valueFields);

    // "Source: ..." for all the tables, or "" when the database has none to give.
    const QString& sources() const { return m_sources; }

private:
    // Fills the tables and sources from the session's copies; false when any is not kept yet.
    bool takeFromSession(const QStringList& tables);

    std::map<QString, Recordset> m_tables;
    QString m_openFault;
    QString m_sources;
};
