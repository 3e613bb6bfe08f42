#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "common/ErrorBox.h"
#include "common/Resources.h"
#include "database/ReferenceDatabase.h"
#include "shell/MDIMain.h"
#include "shell/MenuTable.h"

// Copied into an installed tree beside bin/kelvo and run there, so every path it resolves is the
// installed program's: the reference database must be found under ../share/kelvo/, read with
// real rows, and every live sheet of the menu must open without an error message.
//
// kelvo_installed_check <CSV of tab3Pflcurrent>: one cell of the installed database is compared
// with its source.
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

    // Every table the sources table names (the generator gives each table a row there) must
    // open with rows.
    QStringList tables;
    Recordset sources = db.OpenRecordset(QStringLiteral("sources"), {QStringLiteral("TableName")});
    for (sources.MoveFirst(); !sources.EOF(); sources.MoveNext()) {
        if (!tables.contains(sources.Field(QStringLiteral("TableName"))))
            tables << sources.Field(QStringLiteral("TableName"));
    }
    if (!tables.contains(QStringLiteral("tab3Pflcurrent")) ||
        !tables.contains(QStringLiteral("raceway_areas_ch9_t4")))
        fail(QStringLiteral("the sources table lists only %1: %2")
                 .arg(tables.join(QStringLiteral(", ")), sources.ErrorText()));
    for (const QString& table : tables) {
        Recordset rs = db.OpenRecordset(table);
        if (!rs.IsOpen() || rs.RecordCount() == 0)
            fail(QStringLiteral("table %1: %2").arg(table, rs.ErrorText()));
    }

    Recordset rs = db.OpenRecordset(QStringLiteral("tab3Pflcurrent"));
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
        std::fprintf(stderr, "usage: kelvo_installed_check <tab3Pflcurrent.csv>\n");
        return 2;
    }
    checkDatabase(app.arguments().at(1));
    checkSheets();
    return failures == 0 ? 0 : 1;
}
