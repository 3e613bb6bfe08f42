#include "nec/CodeTableReader.h"

#include "database/Recordset.h"

namespace CodeTableReader {

std::optional<double> number(const QString& cell) {
    bool ok = false;
    const double value = cell.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

Nec::AmpacityTable ampacity(Recordset& table) {
    static const char* const copper[] = {"cu_60C", "cu_75C", "cu_90C"};
    static const char* const aluminum[] = {"al_60C", "al_75C", "al_90C"};
    Nec::AmpacityTable out;
    for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
        Nec::AmpacityRow row{
            {table.Field(QStringLiteral("size")), table.Field(QStringLiteral("size_unit"))},
            {},
            {}};
        for (std::size_t c = 0; c < 3; ++c) {
            row.copper[c] = number(table.Field(QString::fromLatin1(copper[c])));
            row.aluminum[c] = number(table.Field(QString::fromLatin1(aluminum[c])));
        }
        out.rows.push_back(row);
    }
    return out;
}

Nec::StandardRatings standardRatings(Recordset& table) {
    Nec::StandardRatings out;
    for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
        if (const auto amperes = number(table.Field(QStringLiteral("amperes"))))
            out.ratings.push_back(
                {*amperes, !table.Field(QStringLiteral("fuse_only")).trimmed().isEmpty()});
    }
    return out;
}

} // namespace CodeTableReader
