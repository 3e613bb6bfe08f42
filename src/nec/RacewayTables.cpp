#include "nec/RacewayTables.h"

#include <QSet>
#include <algorithm>
#include <limits>

namespace Nec {

namespace {

constexpr double unreadable = std::numeric_limits<double>::max();

// "3/4" -> 0.75, "1-1/4" -> 1.25, "2" -> 2; anything else is unreadable.
double fractionValue(QStringView text) {
    const qsizetype slash = text.indexOf(u'/');
    bool ok = false;
    if (slash < 0) {
        const double whole = text.toDouble(&ok);
        return ok ? whole : unreadable;
    }
    const double numerator = text.left(slash).toDouble(&ok);
    if (!ok)
        return unreadable;
    const double denominator = text.mid(slash + 1).toDouble(&ok);
    return ok && denominator > 0 ? numerator / denominator : unreadable;
}

double tradeSizeValue(const QString& tradeSize) {
    const qsizetype hyphen = tradeSize.indexOf(u'-');
    if (hyphen < 0)
        return fractionValue(tradeSize);
    const double whole = fractionValue(QStringView(tradeSize).left(hyphen));
    const double part = fractionValue(QStringView(tradeSize).mid(hyphen + 1));
    return whole == unreadable || part == unreadable ? unreadable : whole + part;
}

} // namespace

QString singleSourceMark() {
    return QStringLiteral("†");
}

QString withSingleSourceMark(const QString& text, bool singleSource) {
    return singleSource ? text + singleSourceMark() : text;
}

QString singleSourceFootnote() {
    return QStringLiteral("† one source only: check against your code book");
}

QStringList RacewayTable::raceways() const {
    QStringList names;
    for (const RacewayRow& row : rows)
        if (!names.contains(row.raceway))
            names << row.raceway;
    return names;
}

bool RacewayTable::singleSourceOnly(const QString& raceway) const {
    bool any = false;
    for (const RacewayRow& row : rows) {
        if (row.raceway != raceway)
            continue;
        if (!row.singleSource)
            return false;
        any = true;
    }
    return any;
}

std::vector<RacewayRow> RacewayTable::tradeSizes(const QString& raceway) const {
    std::vector<RacewayRow> found;
    for (const RacewayRow& row : rows)
        if (row.raceway == raceway)
            found.push_back(row);
    return found;
}

RacewayTable mergeRacewayTables(std::vector<RacewayRow> confirmed,
                                std::vector<RacewayRow> singleSource) {
    for (RacewayRow& row : confirmed)
        row.singleSource = false;
    for (RacewayRow& row : singleSource)
        row.singleSource = true;
    std::vector<RacewayRow> all = std::move(confirmed);
    all.insert(all.end(), singleSource.begin(), singleSource.end());

    QStringList order;
    for (const RacewayRow& row : all)
        if (!order.contains(row.raceway))
            order << row.raceway;

    RacewayTable table;
    for (const QString& raceway : order) {
        std::vector<RacewayRow> rows;
        QSet<QString> seen;
        for (const RacewayRow& row : all)
            if (row.raceway == raceway && !seen.contains(row.tradeSize)) {
                seen.insert(row.tradeSize);
                rows.push_back(row);
            }
        std::stable_sort(rows.begin(), rows.end(), [](const RacewayRow& a, const RacewayRow& b) {
            return tradeSizeValue(a.tradeSize) < tradeSizeValue(b.tradeSize);
        });
        table.rows.insert(table.rows.end(), rows.begin(), rows.end());
    }
    return table;
}

QString bareConductorType() {
    return QStringLiteral("Bare");
}

double conductorSizeRank(const ConductorSize& size) {
    bool ok = false;
    if (size.unit == u"kcmil") {
        const double kcmil = size.size.toDouble(&ok);
        return ok ? 1000 + kcmil : unreadable;
    }
    if (size.unit != u"AWG")
        return unreadable;
    if (size.size.endsWith(QStringLiteral("/0"))) {
        const int zeros = size.size.left(size.size.size() - 2).toInt(&ok);
        return ok ? zeros : unreadable; // 1/0 -> 1 ... 4/0 -> 4
    }
    const int gauge = size.size.toInt(&ok);
    return ok ? -gauge : unreadable; // 18 -> -18 ... 1 -> -1
}

QStringList ConductorAreaTable::types() const {
    QStringList names;
    bool bare = false;
    for (const ConductorAreaRow& row : rows) {
        if (row.type == bareConductorType())
            bare = true;
        else if (!names.contains(row.type))
            names << row.type;
    }
    if (bare)
        names << bareConductorType();
    return names;
}

bool ConductorAreaTable::singleSourceOnly(const QString& type) const {
    bool any = false;
    for (const ConductorAreaRow& row : rows) {
        if (row.type != type)
            continue;
        if (!row.singleSource)
            return false;
        any = true;
    }
    return any;
}

std::vector<ConductorSize> ConductorAreaTable::sizes(const QString& type) const {
    std::vector<ConductorSize> found;
    for (const ConductorAreaRow& row : rows)
        if (row.type == type)
            found.push_back(row.size);
    return found;
}

const ConductorAreaRow* ConductorAreaTable::find(const QString& type,
                                                 const ConductorSize& size) const {
    for (const ConductorAreaRow& row : rows)
        if (row.type == type && row.size == size)
            return &row;
    return nullptr;
}

ConductorAreaTable mergeConductorAreas(const std::vector<ConductorAreaRow>& confirmed,
                                       const std::vector<ConductorAreaRow>& singleSource,
                                       const std::vector<Table8Conductor>& table8) {
    std::vector<ConductorAreaRow> all;
    for (ConductorAreaRow row : confirmed) {
        row.singleSource = false;
        all.push_back(row);
    }
    for (ConductorAreaRow row : singleSource) {
        row.singleSource = true;
        all.push_back(row);
    }
    for (const Table8Conductor& row : table8)
        if (row.stranding == u"stranded" && row.overallArea)
            all.push_back({bareConductorType(), row.size, *row.overallArea, false});

    QStringList order;
    for (const ConductorAreaRow& row : all)
        if (!order.contains(row.type))
            order << row.type;

    ConductorAreaTable table;
    for (const QString& type : order) {
        std::vector<ConductorAreaRow> rows;
        for (const ConductorAreaRow& row : all) {
            const bool repeated = std::any_of(
                rows.begin(), rows.end(), [&](const auto& kept) { return kept.size == row.size; });
            if (row.type == type && !repeated)
                rows.push_back(row);
        }
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
            return conductorSizeRank(a.size) < conductorSizeRank(b.size);
        });
        table.rows.insert(table.rows.end(), rows.begin(), rows.end());
    }
    return table;
}

} // namespace Nec
