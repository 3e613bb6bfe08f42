#include "DatabaseWriter.h"

#include "GeneratorError.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

namespace refgen {

namespace {

QString quoted(const QString& identifier) {
    QString escaped = identifier;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

void exec(QSqlQuery& query, const QString& what) {
    if (!query.exec())
        throw GeneratorError(QStringLiteral("%1: %2").arg(what, query.lastError().text()));
}

void createTable(QSqlDatabase& db, const ReferenceTable& table) {
    QStringList columns;
    for (qsizetype i = 0; i < table.fields.size(); ++i)
        columns << quoted(table.fields[i]) +
                       (table.types.value(i) == ReferenceTable::FieldType::Integer
                            ? QStringLiteral(" INTEGER")
                            : QStringLiteral(" TEXT"));
    QSqlQuery create(db);
    create.prepare(QStringLiteral("CREATE TABLE %1 (%2)")
                       .arg(quoted(table.name), columns.join(QStringLiteral(", "))));
    exec(create, QStringLiteral("creating table %1").arg(table.name));

    const QStringList placeholders(table.fields.size(), QStringLiteral("?"));
    QSqlQuery insert(db);
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)")
                            .arg(quoted(table.name), placeholders.join(u','))))
        throw GeneratorError(
            QStringLiteral("filling table %1: %2").arg(table.name, insert.lastError().text()));
    for (const QVariantList& row : table.rows) {
        for (qsizetype i = 0; i < row.size(); ++i)
            insert.bindValue(int(i), row[i]);
        exec(insert, QStringLiteral("filling table %1").arg(table.name));
    }
}

void fill(const QString& file, const QList<ReferenceTable>& tables) {
    static int connections = 0;
    const QString connection = QStringLiteral("kelvo_refdb_gen_%1").arg(++connections);
    try {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(file);
        if (!db.open())
            throw GeneratorError(
                QStringLiteral("cannot create %1: %2").arg(file, db.lastError().text()));
        if (!db.transaction())
            throw GeneratorError(
                QStringLiteral("cannot write %1: %2").arg(file, db.lastError().text()));
        for (const ReferenceTable& table : tables)
            createTable(db, table);
        if (!db.commit())
            throw GeneratorError(
                QStringLiteral("cannot write %1: %2").arg(file, db.lastError().text()));
        db.close();
    } catch (...) {
        QSqlDatabase::removeDatabase(connection);
        throw;
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace

void writeDatabase(const QList<ReferenceTable>& tables, const QString& path) {
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absoluteFilePath() + QStringLiteral(".XXXXXX.tmp"));
    if (!temporary.open())
        throw GeneratorError(QStringLiteral("cannot create a temporary file beside %1: %2")
                                 .arg(path, temporary.errorString()));
    // Asking for the name gives the file one (Qt may create it unnamed); SQLite opens it by name.
    const QString temporaryPath = temporary.fileName();
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadGroup | QFileDevice::ReadOther);
    temporary.close();
    fill(temporaryPath, tables);

    std::error_code error;
    std::filesystem::rename(temporaryPath.toStdString(), target.absoluteFilePath().toStdString(),
                            error);
    if (error)
        throw GeneratorError(QStringLiteral("cannot replace %1: %2")
                                 .arg(path, QString::fromStdString(error.message())));
    temporary.setAutoRemove(false);
}

} // namespace refgen
