#include <benchmark/benchmark.h>

#include <QSqlDatabase>
#include <QStringList>

#include "BenchReport.h"
#include "database/ReferenceDatabase.h"

namespace {

// The tables of the shipped database, read from the file itself so a table added later is
// benchmarked too.
QStringList shippedTables() {
    QStringList tables;
    ReferenceDatabase probe;
    if (!probe.Open())
        return tables;
    const QString connection = QStringLiteral("kelvo_bench_tables");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(probe.Path());
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open())
            tables = db.tables();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return tables;
}

// The worst case of a linear search: the key of the last row, then its last field.
void lookUpLastRow(benchmark::State& state, const QString& table) {
    ReferenceDatabase db;
    if (!db.Open()) {
        state.SkipWithError(db.ErrorText().toStdString().c_str());
        return;
    }
    Recordset rs = db.OpenRecordset(table);
    if (!rs.IsOpen() || rs.RecordCount() == 0 || rs.FieldNames().isEmpty()) {
        state.SkipWithError("table is empty or unreadable");
        return;
    }
    const QString keyField = rs.FieldNames().first();
    const QString valueField = rs.FieldNames().last();
    rs.MoveLast();
    const QString key = rs.Field(keyField);
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = BenchReport::Clock::now();
        benchmark::DoNotOptimize(rs.Lookup(keyField, key, valueField));
        samples.push_back(BenchReport::millisecondsSince(start));
    }
    BenchReport::lookup(table, samples);
}

} // namespace

void registerLookupBenchmarks() {
    for (const QString& table : shippedTables()) {
        benchmark::RegisterBenchmark(("Lookup/" + table).toStdString().c_str(),
                                     [table](benchmark::State& s) { lookUpLastRow(s, table); })
            ->Unit(benchmark::kMicrosecond);
    }
}
