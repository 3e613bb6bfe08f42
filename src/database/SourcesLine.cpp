#include "database/SourcesLine.h"

#include <QLabel>

#include "common/WrappedText.h"
#include "database/ReferenceDatabase.h"
#include "database/TableNames.h"

QString sourcesLine(ReferenceDatabase& database, const QString& table) {
    return sourcesLine(database, QStringList{table});
}

QString sourcesLine(ReferenceDatabase& database, const QStringList& tables) {
    const QString tableField = QStringLiteral("TableName");
    const QString citationField = QStringLiteral("Citation");
    Recordset sources = database.OpenRecordset(TableNames::Sources, {tableField, citationField});
    QStringList citations;
    for (sources.MoveFirst(); !sources.EOF(); sources.MoveNext()) {
        const QString citation = sources.Field(citationField);
        if (tables.contains(sources.Field(tableField)) && !citations.contains(citation))
            citations << citation;
    }
    sources.Close();
    citations.removeAll(QString());
    return citations.isEmpty() ? QString() : QStringLiteral("Source: ") + citations.join(u"; ");
}

QLabel* makeSourcesLabel(const QString& text, QWidget* parent) {
    auto* label = new WrappedText(text, parent);
    label->setObjectName(QStringLiteral("lblSources"));
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    label->setFont(font);
    return label;
}
