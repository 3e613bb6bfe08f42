#include "database/SheetTables.h"

#include "common/ErrorBox.h"
#include "common/Messages.h"
#include "database/SheetDatabase.h"
#include "database/SourcesLine.h"

namespace {

// The shipped database does not change while the program runs, so the tables read from it stay
// for the session: a sheet opened again reads no database. A database named by its path (a test's
// or a faulty one) is read afresh every time.
struct SessionTables {
    std::map<QString, Recordset> tables;
    std::map<QString, QString> sources; // by the sheet's table list
};

SessionTables& session() {
    static SessionTables kept;
    return kept;
}

QString sourcesKey(const QStringList& tables) {
    return tables.join(u'\n');
}

} // namespace

SheetTables::SheetTables(const QStringList& tables, const QString& path) {
    if (path.isEmpty() && takeFromSession(tables))
        return;
    ReferenceDatabase database;
    const bool opened = path.isEmpty() ? database.Open() : database.Open(path);
    if (!opened) {
        m_openFault = database.ErrorText();
        return;
    }
    for (const QString& name : tables) {
        Recordset table = database.OpenRecordset(name);
        if (!table.IsOpen()) {
            m_openFault = table.ErrorText();
            return;
        }
        m_tables.emplace(name, std::move(table));
    }
    m_sources = sourcesLine(database, tables);
    if (path.isEmpty()) {
        for (const auto& [name, table] : m_tables)
            session().tables.emplace(name, table);
        session().sources.emplace(sourcesKey(tables), m_sources);
    }
}

bool SheetTables::takeFromSession(const QStringList& tables) {
    const SessionTables& kept = session();
    const auto sources = kept.sources.find(sourcesKey(tables));
    if (sources == kept.sources.end())
        return false;
    for (const QString& name : tables) {
        const auto table = kept.tables.find(name);
        if (table == kept.tables.end()) {
            m_tables.clear();
            return false;
        }
        m_tables.emplace(name, table->second);
    }
    m_sources = sources->second;
    return true;
}

SheetTables::~SheetTables() {
    for (auto& [name, table] : m_tables)
        table.Close();
}

bool SheetTables::checkOpen() const {
    if (m_openFault.isEmpty())
        return true;
    showError(Messages::referenceLookupFailed(m_openFault));
    return false;
}

Recordset& SheetTables::table(const QString& name) {
    return m_tables[name];
}

std::optional<QStringList> SheetTables::lookUp(const QString& table, const QString& keyField,
                                               const QString& key, const QStringList& valueFields) {
    if (!checkOpen())
        return std::nullopt;
    return lookUpShown(m_tables[table], keyField, key, valueFields);
}
