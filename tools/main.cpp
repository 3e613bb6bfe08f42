#include "DatabaseWriter.h"
#include "GeneratorError.h"
#include "ReferenceDataSet.h"

#include <QCoreApplication>
#include <cstdio>

// kelvo_refdb_gen <data directory> <output database>: builds the reference database from the
// CSVs. A fault is printed with the file and line it comes from and fails the build step.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: kelvo_refdb_gen <data directory> <output database>\n");
        return 2;
    }
    try {
        refgen::writeDatabase(refgen::buildReferenceTables(args[1]), args[2]);
    } catch (const refgen::GeneratorError& error) {
        std::fprintf(stderr, "kelvo_refdb_gen: %s\n", error.what());
        return 1;
    }
    return 0;
}
