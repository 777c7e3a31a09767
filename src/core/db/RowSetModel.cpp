#include "core/db/RowSetModel.h"

#include "core/Errors.h"
#include "core/Fmt.h"
#include "core/Prompt.h"
#include "core/db/DateNumber.h"

namespace orvex {
namespace {

bool IsNumber(const QVariant& v) {
    const int type = v.typeId();
    return type == QMetaType::LongLong || type == QMetaType::Int || type == QMetaType::Double;
}

}  // namespace

RowSetModel::RowSetModel(RowSet& rows, QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), m_rows(rows), m_columns(std::move(columns)) {
    Rebind();
    connect(&m_rows, &RowSet::reset, this, [this] {
        beginResetModel();
        Rebind();
        endResetModel();
    });
    connect(&m_rows, &RowSet::rowChanged, this, [this](int position) {
        if (position < 0 || position >= rowCount() || m_columns.isEmpty()) return;
        Q_EMIT dataChanged(index(position, 0), index(position, int(m_columns.size()) - 1));
    });
}

void RowSetModel::Follow(QItemSelectionModel* selection) {
    m_selection = selection;
    if (!selection) return;
    const auto toView = [this](int position) {
        if (!m_selection || m_following) return;
        m_following = true;
        if (position < 0)
            m_selection->clearCurrentIndex();
        else
            m_selection->setCurrentIndex(index(position, 0),
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_following = false;
    };
    connect(&m_rows, &RowSet::currentChanged, selection, toView);
    connect(selection, &QItemSelectionModel::currentRowChanged, this,
            [this, toView](const QModelIndex& current) {
                if (m_following || !current.isValid() || current.row() == m_rows.Position()) return;
                m_following = true;
                try {
                    m_rows.SetPosition(current.row());  // posts a pending edit, which may fail
                } catch (const Error& e) {
                    ShowError(e.text());
                }
                m_following = false;
                if (m_rows.Position() != current.row()) toView(m_rows.Position());
            });
    toView(m_rows.Position());
}

void RowSetModel::Rebind() {
    m_index.clear();
    m_index.reserve(m_columns.size());
    for (const Column& column : m_columns) m_index << m_rows.ColumnIndex(column.name);
}

int RowSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows.Count();
}

int RowSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant RowSetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.Count() || index.column() >= m_columns.size()) return {};
    const Column& column = m_columns[index.column()];
    const QVariant stored = m_rows.ValueAt(index.row(), m_index[index.column()]);
    if (column.shown == Shown::Check) {
        if (role == Qt::CheckStateRole) return stored.toDouble() != 0 ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return DisplayText(stored, column.shown);
    if (role == Qt::TextAlignmentRole && column.shown == Shown::Money)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant RowSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_columns.size())
        return m_columns[section].header;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags RowSetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_editable && index.isValid() && m_columns[index.column()].shown == Shown::Plain)
        f |= Qt::ItemIsEditable;
    return f;
}

bool RowSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!m_editable || role != Qt::EditRole || !index.isValid() || index.row() != m_rows.Position())
        return false;
    try {
        if (!m_rows.Edit()) return false;
        m_rows.SetValue(m_columns[index.column()].name, value.toString());
    } catch (const Error& e) {
        ShowError(e.text());
        return false;
    }
    return true;
}

QString RowSetModel::DisplayText(const QVariant& stored, Shown shown) {
    if (stored.isNull()) return {};
    // A text in a typed column (an empty constant of a union) shows as it is.
    if (shown != Shown::Plain && !IsNumber(stored)) return stored.toString();
    switch (shown) {
        case Shown::Date:
            return DateOfNumber(stored.toDouble()).toString(QStringLiteral("dd.MM.yyyy"));
        case Shown::Time:
            return TimeOfNumber(stored.toDouble()).toString(QStringLiteral("HH:mm"));
        case Shown::DateTime:
            return DateTimeText(stored.toDouble());
        case Shown::Money:
            return MoneyText(Money::fromDouble(stored.toDouble()));
        case Shown::Check:
            return {};
        case Shown::Plain:
            break;
    }
    if (stored.typeId() == QMetaType::Double) return QString::number(stored.toDouble(), 'g', 15);
    return stored.toString();
}

}  // namespace orvex
