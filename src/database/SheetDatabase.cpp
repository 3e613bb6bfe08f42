#include "database/SheetDatabase.h"

#include <map>

#include "common/ErrorBox.h"
#include "common/Messages.h"
#include "database/SourcesLine.h"

SheetDatabase::SheetDatabase(const QString& table, const QString& path) {
    const bool opened = path.isEmpty() ? m_database.Open() : m_database.Open(path);
    if (!opened) {
        m_openFault = m_database.ErrorText();
        return;
    }
    m_table = m_database.OpenRecordset(table);
    if (!m_table.IsOpen()) {
        m_openFault = m_table.ErrorText();
        return;
    }
    // The sources of the shipped database do not change while the program runs: read once.
    if (path.isEmpty()) {
        static std::map<QString, QString> kept;
        const auto found = kept.find(table);
        m_sources = found != kept.end()
                        ? found->second
                        : kept.emplace(table, sourcesLine(m_database, table)).first->second;
    } else {
        m_sources = sourcesLine(m_database, table);
    }
}

SheetDatabase::~SheetDatabase() {
    m_table.Close();
    m_database.Close();
}

std::optional<QStringList> SheetDatabase::lookUp(const QString& keyField, const QString& key,
                                                 const QStringList& valueFields) {
    if (!m_openFault.isEmpty()) {
        showError(Messages::referenceLookupFailed(m_openFault));
        return std::nullopt;
    }
    return lookUpShown(m_table, keyField, key, valueFields);
}

std::optional<QStringList> lookUpShown(Recordset& table, const QString& keyField,
                                       const QString& key, const QStringList& valueFields) {
    QStringList cells;
    for (const QString& field : valueFields) {
        const std::optional<QString> cell = table.Lookup(keyField, key, field);
        if (!cell) {
            showError(Messages::referenceLookupFailed(table.ErrorText()));
            return std::nullopt;
        }
        const QString shown = cell->trimmed();
        cells << (shown.isEmpty() ? QString::fromLatin1(NoValueText) : shown);
    }
    return cells;
}
