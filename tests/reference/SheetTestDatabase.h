#pragma once

#include <QString>
#include <utility>
#include <vector>

class QTemporaryDir;

// A small database for the sheet tests, written by the generator from CSV text: one
// (table name, CSV text with its header row) pair per table, in a file of its own in `dir`.
// Returns the file's path.
QString writeSheetTestDatabase(const QTemporaryDir& dir,
                               const std::vector<std::pair<QString, QString>>& tables);
