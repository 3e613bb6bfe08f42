#pragma once

#include <QString>
#include <QStringList>

class QLabel;
class QWidget;
class ReferenceDatabase;

// The small line under a reference sheet's heading that says where its numbers come from: the
// short citations of the table's rows in the database's sources table, "Source: A; B". Empty
// when the database has no sources for the table (the sheet's own table check reports the fault).
QString sourcesLine(ReferenceDatabase& database, const QString& table);
// The same for a sheet that reads several tables, each citation once, in the sources table's order.
QString sourcesLine(ReferenceDatabase& database, const QStringList& tables);

// A word-wrapped label in a smaller type for that line, named "lblSources".
QLabel* makeSourcesLabel(const QString& text, QWidget* parent);
