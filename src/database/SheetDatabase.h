#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "database/Recordset.h"
#include "database/ReferenceDatabase.h"

// The reference database and the one table a look-up sheet holds while it is loaded: opened by
// the constructor, closed (table first) by the destructor. Opening never shows anything, so a
// sheet always opens; a fault found then is told at every look-up instead.
class SheetDatabase {
public:
    // An empty `path` looks in the usual places beside the program.
    explicit SheetDatabase(const QString& table, const QString& path = {});
    ~SheetDatabase();
    SheetDatabase(const SheetDatabase&) = delete;
    SheetDatabase& operator=(const SheetDatabase&) = delete;

    bool IsOpen() const { return m_table.IsOpen(); }

    // The cells of `valueFields` on the row whose `keyField` equals `key`, each as shown on the
    // sheet: the stored text, or "n/a" for a cell the source leaves empty. On any fault the
    // database layer's message is shown once and nothing is returned.
    std::optional<QStringList> lookUp(const QString& keyField, const QString& key,
                                      const QStringList& valueFields);

    // The table itself, for a sheet that walks it (its list of keys, the rows around a found
    // one): closed and empty when opening failed. After a lookUp that succeeded, the current row
    // is the key's.
    Recordset& table() { return m_table; }

    // "Source: ..." for the table, or "" when the database has none to give.
    const QString& sources() const { return m_sources; }

private:
    ReferenceDatabase m_database;
    Recordset m_table;
    QString m_openFault;
    QString m_sources;
};

// What a sheet shows for a cell the source leaves empty.
inline constexpr const char* NoValueText = "n/a";

// The look-up every sheet reads a table cell by: the cells of `valueFields` on the row of `table`
// whose `keyField` equals `key`, each as shown on the sheet ("n/a" for an empty cell). On a fault
// the database layer's message is shown and nothing is returned.
std::optional<QStringList> lookUpShown(Recordset& table, const QString& keyField,
                                       const QString& key, const QStringList& valueFields);
