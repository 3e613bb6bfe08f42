#include "database/SheetTables.h"

#include "common/ErrorBox.h"
#include "common/Messages.h"
#include "database/SheetDatabase.h"
#include "database/SourcesLine.h"

SheetTables::SheetTables(const QStringList& tables, const QString& path) {
    const bool opened = path.isEmpty() ? m_database.Open() : m_database.Open(path);
    if (!opened) {
        m_openFault = m_database.ErrorText();
        return;
    }
    for (const QString& name : tables) {
        Recordset table = m_database.OpenRecordset(name);
        if (!table.IsOpen()) {
            m_openFault = table.ErrorText();
            return;
        }
        m_tables.emplace(name, std::move(table));
    }
    m_sources = sourcesLine(m_database, tables);
}

SheetTables::~SheetTables() {
    for (auto& [name, table] : m_tables)
        table.Close();
    m_database.Close();
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
