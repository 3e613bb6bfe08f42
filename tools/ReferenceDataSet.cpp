#include "ReferenceDataSet.h"

#include "CodeTables.h"
#include "ConduitTable.h"
#include "CsvFile.h"
#include "MotorFrameTable.h"
#include "SourcesTable.h"
#include "TorqueTable.h"
#include "database/TableNames.h"

#include <QDir>

namespace refgen {

QList<ReferenceTable> buildReferenceTables(const QString& dataDirectory) {
    const QDir dir(dataDirectory);
    const auto csv = [&dir](const char* file) {
        return readCsvFile(dir.filePath(QString::fromLatin1(file)));
    };

    QList<ReferenceTable> tables;
    for (const QString table : {TableNames::SinglePhaseFullLoad, TableNames::ThreePhaseFullLoad,
                                TableNames::DCFullLoad}) {
        const CsvFile currents = readCsvFile(dir.filePath(table + QStringLiteral(".csv")));
        checkDecimalCells(currents, currents.header.mid(1));
        tables << copiedTable(table, currents);
    }
    tables << motorFrameTable(csv("MotorFrame.csv"), csv("MotorFrame_extended.csv"));
    tables << conduitTable(csv("conduit.csv"), csv("conduit_area_rmc.csv"),
                           csv("conductor_area.csv"));
    tables << torqueTable(csv("HPvTorque.csv"));
    for (const ReferenceTable& table : tables)
        checkKeys(table);
    tables << codeTables(dataDirectory);
    tables << sourcesTable(csv("sources.csv"), tables);
    return tables;
}

} // namespace refgen
