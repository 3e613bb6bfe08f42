#include "SourcesTable.h"

#include "CsvFile.h"
#include "GeneratorError.h"
#include "database/TableNames.h"

#include <QSet>

namespace refgen {

ReferenceTable sourcesTable(const CsvFile& sources, const QList<ReferenceTable>& tables) {
    const int tableName = sources.column(QStringLiteral("TableName"));
    const int source = sources.column(QStringLiteral("Source"));
    ReferenceTable table = copiedTable(TableNames::Sources, sources);

    QSet<QString> known;
    for (const ReferenceTable& t : tables)
        known.insert(t.name);
    QSet<QString> cited;
    for (qsizetype row = 0; row < sources.rows.size(); ++row) {
        const QString name = sources.rows[row][tableName];
        if (!known.contains(name))
            throw GeneratorError(
                QStringLiteral("%1: there is no table %2").arg(sources.where(row), name));
        if (sources.rows[row][source].trimmed().isEmpty())
            throw GeneratorError(QStringLiteral("%1: no source given").arg(sources.where(row)));
        cited.insert(name);
    }
    for (const ReferenceTable& t : tables) {
        if (!cited.contains(t.name))
            throw GeneratorError(
                QStringLiteral("%1: no source for table %2").arg(sources.path, t.name));
    }
    return table;
}

} // namespace refgen
