#include "database/Recordset.h"

#include "database/KeyComparison.h"

#include <algorithm>

Recordset::Recordset(QString errorText) : m_error(std::move(errorText)) {}

Recordset::Recordset(QString tableName, QStringList fieldNames, QList<QStringList> rows)
    : m_open(true), m_table(std::move(tableName)), m_fields(std::move(fieldNames)),
      m_rows(std::move(rows)) {
    MoveFirst();
}

void Recordset::MoveFirst() {
    m_position = m_rows.isEmpty() ? -1 : 0;
}

void Recordset::MoveLast() {
    m_position = m_rows.size() - 1;
}

void Recordset::MoveNext() {
    m_position = std::min(m_position + 1, m_rows.size());
}

void Recordset::MovePrevious() {
    m_position = std::max(m_position - 1, qsizetype(-1));
}

bool Recordset::EOF() const {
    return m_rows.isEmpty() || m_position >= m_rows.size();
}

bool Recordset::BOF() const {
    return m_rows.isEmpty() || m_position < 0;
}

QString Recordset::Field(const QString& name) const {
    const auto column = m_fields.indexOf(name);
    if (column < 0 || BOF() || EOF())
        return {};
    return m_rows[m_position].value(column);
}

bool Recordset::Find(const QString& keyField, const QString& key) {
    if (!m_open)
        return fail(
            QStringLiteral("No reference table is open to look up %1 = %2.").arg(keyField, key));
    const auto column = m_fields.indexOf(keyField);
    if (column < 0) {
        m_position = m_rows.size();
        return fail(
            QStringLiteral("The reference table %1 has no field %2.").arg(m_table, keyField));
    }
    for (MoveFirst(); !EOF(); MoveNext()) {
        if (referenceKeysEqual(m_rows[m_position].value(column), key)) {
            m_error.clear();
            return true;
        }
    }
    m_position = m_rows.size();
    return fail(QStringLiteral("The reference table %1 has no row for %2 = %3.")
                    .arg(m_table, keyField, key));
}

std::optional<QString> Recordset::Lookup(const QString& keyField, const QString& key,
                                         const QString& valueField) {
    if (!Find(keyField, key))
        return std::nullopt;
    if (!HasField(valueField)) {
        fail(QStringLiteral("The reference table %1 has no field %2.").arg(m_table, valueField));
        return std::nullopt;
    }
    return Field(valueField);
}

void Recordset::Close() {
    m_open = false;
    m_fields.clear();
    m_rows.clear();
    m_position = -1;
}

bool Recordset::fail(QString error) {
    m_error = std::move(error);
    return false;
}
