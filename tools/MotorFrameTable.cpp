#include "MotorFrameTable.h"

#include "CsvFile.h"
#include "GeneratorError.h"
#include "InchFraction.h"
#include "database/TableNames.h"

#include <QHash>
#include <cmath>

namespace refgen {

namespace {

// The extended file prints MG 1 decimals to four places (27/32 as 0.8438).
constexpr double decimalTolerance = 0.0005;

// Pairs of (fraction column, decimal column) that must describe the same length.
struct CrossCheck {
    const char* fraction;
    const char* decimal;
};
constexpr CrossCheck crossChecks[] = {
    {"D", "D_in"}, {"E", "E_in"}, {"F", "F_in"}, {"U", "U_in"}, {"V", "N-W_in"}};

double decimalInches(const CsvFile& csv, qsizetype row, int column) {
    bool ok = false;
    const double value = csv.rows[row][column].toDouble(&ok);
    if (!ok)
        throw GeneratorError(QStringLiteral("%1: \"%2\" is not a length in inches")
                                 .arg(csv.where(row), csv.rows[row][column]));
    return value;
}

// 56H is drilled for two hole spacings, written "1 1/2 & 2 1/2" and "1.500 & 2.500".
void checkSameLength(const QString& fraction, const QString& decimal, const QString& what) {
    const QStringList fractions = fraction.split(u'&');
    const QStringList decimals = decimal.split(u'&');
    bool same = fractions.size() == decimals.size();
    for (qsizetype i = 0; same && i < fractions.size(); ++i) {
        const auto inches = parseInchFraction(fractions[i]);
        bool ok = false;
        const double expected = decimals[i].trimmed().toDouble(&ok);
        same = inches && ok && std::abs(*inches - expected) <= decimalTolerance;
    }
    if (!same)
        throw GeneratorError(QStringLiteral("%1: \"%2\" does not match the MG 1 figure \"%3\"")
                                 .arg(what, fraction, decimal));
}

} // namespace

ReferenceTable motorFrameTable(const CsvFile& frames, const CsvFile& extended) {
    const int frameKey = frames.column(QStringLiteral("MotorFrame"));
    const int extendedKey = extended.column(QStringLiteral("MotorFrame"));
    const int ba = extended.column(QStringLiteral("BA_in"));
    const int nw = extended.column(QStringLiteral("N-W_in"));
    const int v = frames.column(QStringLiteral("V"));

    QHash<QString, qsizetype> extendedRow;
    for (qsizetype row = 0; row < extended.rows.size(); ++row)
        extendedRow.insert(extended.rows[row][extendedKey], row);
    if (extendedRow.size() != frames.rows.size())
        throw GeneratorError(QStringLiteral("%1 has %2 frames but %3 has %4")
                                 .arg(frames.path)
                                 .arg(frames.rows.size())
                                 .arg(extended.path)
                                 .arg(extendedRow.size()));

    ReferenceTable table{TableNames::MotorFrame, {}, {}, {}};
    for (qsizetype field = 0; field < frames.header.size(); ++field) {
        table.addField(frames.header[field]);
        if (field == v)
            table.addField(QStringLiteral("M+N"));
    }

    for (qsizetype row = 0; row < frames.rows.size(); ++row) {
        const QStringList& cells = frames.rows[row];
        const QString frame = cells[frameKey];
        if (!extendedRow.contains(frame))
            throw GeneratorError(QStringLiteral("%1: frame %2 is missing from %3")
                                     .arg(frames.where(row), frame, extended.path));
        const qsizetype ext = extendedRow.value(frame);
        for (const CrossCheck& check : crossChecks)
            checkSameLength(cells[frames.column(QString::fromLatin1(check.fraction))],
                            extended.rows[ext][extended.column(QString::fromLatin1(check.decimal))],
                            QStringLiteral("%1, frame %2, %3")
                                .arg(frames.where(row), frame, QLatin1String(check.fraction)));

        const double mPlusN = decimalInches(extended, ext, ba) + decimalInches(extended, ext, nw);
        const auto mPlusNText = formatInchFraction(mPlusN);
        if (!mPlusNText)
            throw GeneratorError(QStringLiteral("frame %1: BA + N-W = %2 is not a whole number "
                                                "of 1/64 inch")
                                     .arg(frame)
                                     .arg(mPlusN));
        QVariantList out;
        for (qsizetype field = 0; field < cells.size(); ++field) {
            out << (cells[field].isEmpty() ? QVariant() : QVariant(cells[field]));
            if (field == v)
                out << *mPlusNText;
        }
        table.rows << out;
    }
    return table;
}

} // namespace refgen
