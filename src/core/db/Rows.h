#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace orvex {

// The materialised result of a query: column names, declared types and the stored values as they
// are (integer, real — dates are day numbers —, text or null).
struct Rows {
    QStringList columns;
    QStringList types;            // declared column types ("DATETIME", "CURRENCY", "BIT", …); "" for expressions
    std::vector<QVariant> values;  // row-major

    int Count() const { return columns.isEmpty() ? 0 : int(values.size() / size_t(columns.size())); }
    // The first column of that name, letter case ignored; -1 when there is none.
    int ColumnIndex(const QString& column) const;
    // Throws DbError for an unknown column.
    QVariant Value(int row, const QString& column) const;
    QVariant Value(int row, int column) const { return values[size_t(row) * size_t(columns.size()) + size_t(column)]; }
};

}  // namespace orvex
