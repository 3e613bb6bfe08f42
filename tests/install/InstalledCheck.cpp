#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <cstdio>

#include "common/ErrorBox.h"
#include "common/Resources.h"
#include "database/ReferenceDatabase.h"
#include "database/TableNames.h"
#include "shell/MDIMain.h"
#include "shell/MenuTable.h"

// Copied into an installed tree beside bin/kelvo and run there, so every path it resolves is the
// installed program's: the reference database must be found under ../share/kelvo/, read with
// real rows, and every live sheet of the menu must open without an error message.
//
// kelvo_installed_check <CSV of the three-phase full-load table>: one cell of the installed
// database is compared with its source.
namespace {

int failures = 0;

void fail(const QString& what) {
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
    ++failures;
}

// The 460V current of a 10 HP motor as the source CSV gives it.
QString sourceCell(const QString& csvPath) {
    QFile csv(csvPath);
    if (!csv.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList header = QString::fromUtf8(csv.readLine()).trimmed().split(u',');
    const auto column = header.indexOf(QStringLiteral("460V"));
    while (!csv.atEnd()) {
        const QStringList cells = QString::fromUtf8(csv.readLine()).trimmed().split(u',');
        if (cells.value(0) == QStringLiteral("10"))
            return cells.value(column);
    }
    return {};
}

// The tables the database file holds, read on a connection of its own.
QStringList fileTables(const QString& path) {
    const QString connection = QStringLiteral("installed_check_tables");
    QStringList tables;
    {
        QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        file.setDatabaseName(path);
        file.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (file.open())
            tables = file.tables();
        else
            fail(QStringLiteral("%1 does not open: %2").arg(path, file.lastError().text()));
    }
    QSqlDatabase::removeDatabase(connection);
    return tables;
}

void checkDatabase(const QString& csvPath) {
    ReferenceDatabase db;
    if (!db.Open()) {
        fail(db.ErrorText());
        return;
    }
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/../share/kelvo/"));
    if (!db.Path().startsWith(installed))
        fail(QStringLiteral("database read from %1, not from %2").arg(db.Path(), installed));

    // Every table of the file must open with rows, and the sources table must name each one
    // (the generator gives every table a row there) and no other.
    QStringList tables = fileTables(db.Path());
    tables.removeAll(QString(TableNames::Sources));
    QStringList cited;
    Recordset sources = db.OpenRecordset(TableNames::Sources, {QStringLiteral("TableName")});
    for (sources.MoveFirst(); !sources.EOF(); sources.MoveNext()) {
        if (!cited.contains(sources.Field(QStringLiteral("TableName"))))
            cited << sources.Field(QStringLiteral("TableName"));
    }
    if (tables.isEmpty() || !sources.IsOpen())
        fail(QStringLiteral("the file holds tables %1; sources: %2")
                 .arg(tables.join(QStringLiteral(", ")), sources.ErrorText()));
    QStringList sortedTables = tables;
    sortedTables.sort();
    cited.sort();
    if (cited != sortedTables)
        fail(QStringLiteral("the sources table names %1, the file holds %2")
                 .arg(cited.join(QStringLiteral(", ")), sortedTables.join(QStringLiteral(", "))));
    for (const QString& table : tables) {
        Recordset rs = db.OpenRecordset(table);
        if (!rs.IsOpen() || rs.RecordCount() == 0)
            fail(QStringLiteral("table %1: %2").arg(table, rs.ErrorText()));
    }

    Recordset rs = db.OpenRecordset(TableNames::ThreePhaseFullLoad);
    const auto value =
        rs.Lookup(QStringLiteral("Hp"), QStringLiteral("10"), QStringLiteral("460V"));
    const QString expected = sourceCell(csvPath);
    if (expected.isEmpty() || !value || *value != expected)
        fail(QStringLiteral("10 HP at 460V reads %1, the source says %2")
                 .arg(value.value_or(rs.ErrorText()), expected));
}

void checkSheets() {
    std::vector<QString> messages;
    ErrorBox::setSink([&](const QString& text, const QString&) { messages.push_back(text); });
    MDIMain main;
    main.show();
    int opened = 0;
    for (const MenuItemRow& row : menuItems()) {
        if (row.command != Command::OpenSheet || !row.factory)
            continue;
        const QString name =
            QStringLiteral("%1_%2").arg(QLatin1String(itemArrayName(row.array))).arg(row.index);
        auto* action = main.findChild<QAction*>(name);
        if (!action) {
            fail(QStringLiteral("no menu item %1").arg(name));
            continue;
        }
        messages.clear();
        action->trigger();
        QCoreApplication::processEvents();
        if (!main.currentSheet())
            fail(QStringLiteral("%1 opened no sheet").arg(QString::fromLatin1(row.caption)));
        for (const QString& text : messages)
            fail(QStringLiteral("%1: %2").arg(QString::fromLatin1(row.caption), text));
        ++opened;
    }
    if (opened == 0)
        fail(QStringLiteral("no sheet of the menu is live"));
    std::printf("opened %d live sheets\n", opened);
    ErrorBox::setSink({});
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initKelvoResources();
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: kelvo_installed_check <CSV of %s>\n",
                     TableNames::ThreePhaseFullLoad.data());
        return 2;
    }
    checkDatabase(app.arguments().at(1));
    checkSheets();
    return failures == 0 ? 0 : 1;
}
