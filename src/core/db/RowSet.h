#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <functional>
#include <vector>

#include "core/Money.h"
#include "core/db/Rows.h"

namespace orvex {

class Database;

// The editable data set behind grids and data-aware fields: a query, the table and key column it
// writes back to, the current row, the browse/edit/insert states, a client-side filter and the
// hooks after-open, before-edit, before-post and after-post.
class RowSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit RowSet(Database& db, QObject* parent = nullptr);

    void SetSql(const QString& jetSql) { m_sql = jetSql; }
    const QString& Sql() const { return m_sql; }
    // Where Post and Delete write: table and key column. Without it the set is read-only.
    void SetUpdateTable(const QString& table, const QString& keyColumn);

    void Open();   // runs the query, current row = first; throws DbError
    void Close();  // an unposted edit is dropped
    bool IsOpen() const { return m_state != State::Inactive; }
    // Runs the query again and stays on the row with the same key when it is still there.
    void Requery();
    State state() const { return m_state; }
    bool IsEditing() const { return m_state == State::Edit || m_state == State::Insert; }

    // Navigation over the rows that pass the filter; Position() is -1 when there are none.
    int Count() const { return int(m_visible.size()); }
    bool IsEmpty() const { return m_visible.empty(); }
    int Position() const { return m_position; }
    void SetPosition(int position);
    void First() { SetPosition(0); }
    void Last() { SetPosition(Count() - 1); }
    void Next();
    void Prior();
    bool Eof() const { return m_eof; }  // Next() past the last row
    // Moves to the first row whose column equals the value; false (and no move) when none does.
    bool Locate(const QString& column, const QVariant& value);

    // The current row's fields; a null or absent value reads as empty, 0, false or an invalid date.
    QVariant Value(const QString& column) const;
    QString Text(const QString& column) const;
    int Int(const QString& column) const;
    double Number(const QString& column) const;
    Money MoneyValue(const QString& column) const;
    QDate Date(const QString& column) const;
    QTime Time(const QString& column) const;
    bool Bool(const QString& column) const;
    bool IsNull(const QString& column) const;

    // Writes a field of the current row in the edit or insert state (the database only on Post).
    void SetValue(const QString& column, const QVariant& value);
    void SetDate(const QString& column, const QDate& date);
    void SetTime(const QString& column, const QTime& time);
    void SetMoney(const QString& column, Money amount);

    bool Edit();    // false when the before-edit hook refuses
    void Append();  // a new empty row at the end, in the insert state
    void Post();    // UPDATE of the changed columns by key, or INSERT; throws DbError
    void Cancel();
    void Delete();  // deletes the current row by key
    bool IsModified() const { return !m_changed.empty(); }

    // "column=value" with a number or a 'quoted text' (letter case ignored); empty for none.
    void SetFilter(const QString& filter);
    const QString& Filter() const { return m_filter; }

    const QStringList& Columns() const { return m_rows.columns; }
    int ColumnIndex(const QString& column) const { return m_rows.ColumnIndex(column); }
    QString DeclaredType(int column) const;
    QVariant ValueAt(int position, int column) const;  // a visible row, edits included

    std::function<void(RowSet&)> afterOpen;
    std::function<bool(RowSet&)> beforeEdit;  // false refuses the edit (the record lock)
    std::function<void(RowSet&)> beforePost;  // may throw to stop the post
    std::function<void(RowSet&)> afterPost;
    // An edit ended without being written: cancelled, or dropped by closing or deleting the row.
    std::function<void(RowSet&)> afterCancel;

Q_SIGNALS:
    void reset();                       // opened, closed, requeried or refiltered
    void currentChanged(int position);  // another row became current
    void rowChanged(int position);      // the shown values of a row changed
    void stateChanged(orvex::RowSet::State state);

private:
    int Physical(int position) const { return m_visible[size_t(position)]; }
    QVariant Stored(int physicalRow, int column) const;
    int RequireColumn(const QString& column) const;
    struct FilterTest {
        int column = -1;  // -1: every row passes
        Rows::Probe probe;
    };
    bool EditedEquals(int column, const Rows::Probe& probe) const;
    FilterTest ParseFilter(const QString& filter) const;  // throws DbError for a malformed one
    bool PassesFilter(int physicalRow) const;
    void CheckBrowseMode();  // posts a modified row, cancels an untouched one
    void RebuildVisible();
    void SetState(State state);
    void Load(const QVariant& keepKey);

    Database& m_db;
    QString m_sql;
    QString m_table;
    QString m_key;
    QString m_filter;
    int m_filterColumn = -1;
    Rows::Probe m_filterProbe;
    Rows m_rows;
    std::vector<int> m_visible;
    int m_position = -1;
    int m_returnPosition = -1;  // where Cancel of an insert goes back to
    bool m_eof = false;
    State m_state = State::Inactive;
    std::vector<QVariant> m_edit;  // the current row's values while editing or inserting
    std::vector<int> m_changed;    // columns changed since Edit/Append
};

}  // namespace orvex
