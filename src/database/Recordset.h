#pragma once

// <cstdio> defines EOF as a macro, which would swallow the method of that name below. Taking
// the header first and dropping the macro keeps the DAO-style name; code that needs the
// end-of-file constant can use std::char_traits<char>::eof().
#include <cstdio>
#undef EOF

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One table of the reference database, read whole when it is opened (the tables are a few dozen
// rows), with a current-row cursor in the manner of a DAO recordset. Rows keep their stored
// order. The cursor runs from BOF (before the first row) to EOF (after the last); it never moves
// beyond either, so a loop that walks past the end simply stays at EOF.
//
// Nothing here fails loudly: operations that can fail return false or nothing and leave the
// reason, ready for an error box, in ErrorText().
class Recordset {
public:
    // A closed recordset; IsOpen() is false and ErrorText() may say why it could not be opened.
    Recordset() = default;
    explicit Recordset(QString errorText);
    // An open recordset over rows held in memory; each row has one text per field ("" = empty).
    Recordset(QString tableName, QStringList fieldNames, QList<QStringList> rows);

    bool IsOpen() const { return m_open; }
    const QString& TableName() const { return m_table; }
    const QStringList& FieldNames() const { return m_fields; }
    bool HasField(const QString& name) const { return m_fields.contains(name); }
    qsizetype RecordCount() const { return m_rows.size(); }

    // From BOF MoveNext goes to the first row, from EOF MovePrevious to the last; moving on from
    // BOF or EOF in their own direction stays there. An empty table is at BOF and EOF at once.
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    bool EOF() const;
    bool BOF() const;

    // The text of the named field on the current row: "" for an empty cell, and also when there
    // is no current row or no such field (use HasField, or OpenRecordset's field check, to tell).
    QString Field(const QString& name) const;

    // Walks from the first row until `keyField` equals `key` (see referenceKeysEqual) and stops
    // there, returning true. Without a match it stops at EOF and returns false; so it does when
    // the table is closed or has no such field. ErrorText() then names the table, field and key.
    bool Find(const QString& keyField, const QString& key);

    // Find, then the text of `valueField` on that row; nothing (with ErrorText()) on a failed
    // find or an unknown value field. "" is a found but empty cell.
    std::optional<QString> Lookup(const QString& keyField, const QString& key,
                                  const QString& valueField);

    // Why the last failed operation failed ("" if none has).
    const QString& ErrorText() const { return m_error; }

    // Drops the rows; safe to call again, and before or after the database is closed.
    void Close();

private:
    bool fail(QString error);

    bool m_open = false;
    QString m_table;
    QStringList m_fields;
    QList<QStringList> m_rows;
    qsizetype m_position = -1; // -1 is BOF, m_rows.size() is EOF
    QString m_error;
};
