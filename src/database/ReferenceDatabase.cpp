#include "database/ReferenceDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

namespace {

const QString driver = QStringLiteral("QSQLITE");

QString newConnectionName() {
    static quint64 opened = 0;
    return QStringLiteral("kelvo_reference_%1").arg(++opened);
}

// A file: URI with mode=ro and immutable=1: SQLite then neither locks the file nor creates a
// journal, -wal or -shm file beside it, even in a folder the user may write to.
QString readOnlyUri(const QString& path) {
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(QStringLiteral("mode=ro&immutable=1"));
    return uri.toString(QUrl::FullyEncoded);
}

QString quoted(const QString& identifier) {
    QString escaped = identifier;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

} // namespace

ReferenceDatabase::ReferenceDatabase() = default;

ReferenceDatabase::~ReferenceDatabase() {
    Close();
}

QStringList ReferenceDatabase::DefaultPaths() {
    const QDir dir(QCoreApplication::applicationDirPath());
    const QString name = QString::fromLatin1(fileName);
    return {QDir::cleanPath(dir.filePath(name)),
            QDir::cleanPath(dir.filePath(QStringLiteral("../share/kelvo/") + name))};
}

bool ReferenceDatabase::Open() {
    const QStringList paths = DefaultPaths();
    for (const QString& path : paths) {
        if (QFileInfo::exists(path))
            return Open(path);
    }
    Close();
    return fail(QStringLiteral("The reference database %1 was not found. Looked in:\n%2")
                    .arg(QString::fromLatin1(fileName), paths.join(u'\n')));
}

bool ReferenceDatabase::Open(const QString& path) {
    Close();
    const QFileInfo file(path);
    if (!file.exists())
        return fail(QStringLiteral("The reference database was not found. Looked in:\n%1")
                        .arg(QDir::toNativeSeparators(file.absoluteFilePath())));
    if (!file.isFile())
        return fail(QStringLiteral("The reference database %1 is not a file.")
                        .arg(QDir::toNativeSeparators(path)));
    if (file.size() == 0)
        return fail(QStringLiteral("The reference database %1 is empty.")
                        .arg(QDir::toNativeSeparators(path)));
    if (!QSqlDatabase::isDriverAvailable(driver))
        return fail(QStringLiteral("The SQLite driver of Qt (QSQLITE) is not installed, so the "
                                   "reference database cannot be read."));

    const QString connection = newConnectionName();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, connection);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        db.setDatabaseName(readOnlyUri(path));
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            // SQLite reads the file only when asked for something, so ask now: a file that is
            // not a database is refused here rather than at the first table.
            QSqlQuery probe(db);
            if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
                error = probe.lastError().text();
        }
    }
    if (!error.isEmpty()) {
        QSqlDatabase::removeDatabase(connection);
        return fail(QStringLiteral("The file %1 is not a readable reference database (%2).")
                        .arg(QDir::toNativeSeparators(path), error));
    }
    m_connection = connection;
    m_path = path;
    m_error.clear();
    return true;
}

Recordset ReferenceDatabase::OpenRecordset(const QString& table,
                                           const QStringList& requiredFields) {
    if (!IsOpen()) {
        fail(QStringLiteral("The reference database is not open, so the table %1 cannot be read.")
                 .arg(table));
        return Recordset(m_error);
    }
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.tables().contains(table)) {
        fail(QStringLiteral("The reference database %1 has no table %2.")
                 .arg(QDir::toNativeSeparators(m_path), table));
        return Recordset(m_error);
    }

    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(quoted(table)))) {
        fail(QStringLiteral("The table %1 of the reference database %2 cannot be read (%3).")
                 .arg(table, QDir::toNativeSeparators(m_path), query.lastError().text()));
        return Recordset(m_error);
    }
    const QSqlRecord record = query.record();
    QStringList fields;
    for (int i = 0; i < record.count(); ++i)
        fields << record.fieldName(i);
    for (const QString& field : requiredFields) {
        if (!fields.contains(field)) {
            fail(QStringLiteral("The table %1 of the reference database %2 has no field %3.")
                     .arg(table, QDir::toNativeSeparators(m_path), field));
            return Recordset(m_error);
        }
    }

    QList<QStringList> rows;
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < fields.size(); ++i)
            row << query.value(i).toString();
        rows << row;
    }
    if (query.lastError().isValid()) {
        fail(QStringLiteral("The table %1 of the reference database %2 cannot be read (%3).")
                 .arg(table, QDir::toNativeSeparators(m_path), query.lastError().text()));
        return Recordset(m_error);
    }
    m_error.clear();
    return Recordset(table, fields, rows);
}

void ReferenceDatabase::Close() {
    if (m_connection.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
    m_path.clear();
}

bool ReferenceDatabase::fail(QString error) {
    m_error = std::move(error);
    return false;
}
