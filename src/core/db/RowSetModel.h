#pragma once

#include <QAbstractTableModel>
#include <QItemSelectionModel>
#include <QList>
#include <QPointer>

#include "core/db/RowSet.h"

namespace orvex {

// Shows chosen columns of a row set in a QTableView: dates as dates, times as times, money with two
// decimals, truth values as check marks. The view's current row follows the row set and back.
class RowSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Shown { Plain, Date, Time, DateTime, Money, Check };
    struct Column {
        QString name;    // column of the row set
        QString header;  // heading shown
        Shown shown = Shown::Plain;
    };

    explicit RowSetModel(RowSet& rows, QList<Column> columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edited plain cell puts the current row into edit (through before-edit) and writes the text.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Plain columns become editable in place (a list that renames its entries); off by default.
    void SetEditable(bool editable) { m_editable = editable; }

    // Keeps a view's current row and the row set's current row together, both ways.
    void Follow(QItemSelectionModel* selection);

    // The text a cell shows, for a stored value of the given kind.
    static QString DisplayText(const QVariant& stored, Shown shown);

private:
    void Rebind();

    RowSet& m_rows;
    QList<Column> m_columns;
    QList<int> m_index;  // row set column of each model column, -1 when absent
    QPointer<QItemSelectionModel> m_selection;
    bool m_following = false;  // a move of one side is being copied to the other
    bool m_editable = false;
};

}  // namespace orvex
