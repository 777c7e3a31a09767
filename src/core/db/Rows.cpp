#include "core/db/Rows.h"

#include <algorithm>

#include "core/Errors.h"
#include "core/db/Collation.h"

namespace orvex {

int Rows::ColumnIndex(const QString& column) const {
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].compare(column, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVariant Rows::Value(int row, const QString& column) const {
    const int index = ColumnIndex(column);
    if (index < 0) throw DbError("Немає стовпця " + column + " у результаті запиту.");
    return Value(row, index);
}

QVariant Rows::Value(int row, int column) const {
    if (row < 0 || row >= Count() || column < 0 || column >= columns.size())
        throw DbError("Немає рядка " + QString::number(row) + " у результаті запиту.");
    const Cell& cell = At(row, column);
    switch (cell.kind) {
        case Kind::Integer:
            return qlonglong(cell.integer);
        case Kind::Real:
            return cell.real;
        case Kind::Text:
            return QString::fromUtf8(TextOf(cell), cell.length);
        case Kind::Blob:
            return QByteArray(TextOf(cell), cell.length);
        case Kind::Null:
            break;
    }
    return {};
}

void Rows::Push(const Cell& cell) {
    const size_t block = size_t(m_count >> kBlockShift);
    if (block == m_cells.size()) {
        m_cells.emplace_back();
        // Most results are a few rows: the first block starts small and grows within itself.
        m_cells.back().reserve(block == 0 ? 256 : size_t(kBlockCells));
    }
    m_cells[block].push_back(cell);
    ++m_count;
}

qint64 Rows::StoreText(const char* bytes, qsizetype length) {
    if (m_texts.isEmpty() || m_texts.back().capacity() - m_texts.back().size() < length) {
        m_texts.emplaceBack();
        m_texts.back().reserve(std::max(length, m_texts.size() == 1 ? qsizetype(4096) : kTextBlock));
    }
    QByteArray& block = m_texts.back();
    const qint64 at = (qint64(m_texts.size() - 1) << 32) | block.size();
    block.append(bytes, length);
    return at;
}

void Rows::AddInteger(qint64 value) {
    Cell cell;
    cell.integer = value;
    cell.kind = Kind::Integer;
    Push(cell);
}

void Rows::AddReal(double value) {
    Cell cell;
    cell.real = value;
    cell.kind = Kind::Real;
    Push(cell);
}

void Rows::AddText(const char* utf8, int length) {
    AddBytes(Kind::Text, utf8, length);
}

void Rows::AddBlob(const char* bytes, int length) {
    AddBytes(Kind::Blob, bytes, length);
}

void Rows::AddBytes(Kind kind, const char* bytes, int length) {
    Cell cell;
    cell.at = StoreText(bytes, length);
    cell.length = length;
    cell.kind = kind;
    Push(cell);
}

void Rows::AppendRow() {
    for (qsizetype i = 0; i < columns.size(); ++i) Push({});
}

void Rows::RemoveRow(int row) {
    // Rare (a deleted row): the cells after it move up; its texts stay until the next query.
    const qsizetype width = columns.size();
    for (qsizetype i = qsizetype(row) * width; i + width < m_count; ++i) At(i) = At(i + width);
    for (qsizetype i = 0; i < width; ++i) {
        m_cells.back().pop_back();
        if (m_cells.back().empty()) m_cells.pop_back();
        --m_count;
    }
}

Rows::Cell Rows::MakeCell(const QVariant& value) {
    Cell cell;
    if (value.isNull()) return cell;
    switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::ULong:
            cell.integer = value.toLongLong();
            cell.kind = Kind::Integer;
            return cell;
        case QMetaType::Double:
        case QMetaType::Float:
            cell.real = value.toDouble();
            cell.kind = Kind::Real;
            return cell;
        default:
            break;
    }
    const QByteArray bytes =
        value.typeId() == QMetaType::QByteArray ? value.toByteArray() : value.toString().toUtf8();
    cell.at = StoreText(bytes.constData(), bytes.size());
    cell.length = qint32(bytes.size());
    cell.kind = value.typeId() == QMetaType::QByteArray ? Kind::Blob : Kind::Text;
    return cell;
}

void Rows::Set(int row, int column, const QVariant& value) {
    const Cell cell = MakeCell(value);
    At(qsizetype(row) * columns.size() + column) = cell;
}

Rows::Probe Rows::ProbeOf(const QVariant& value) {
    Probe probe;
    if (value.isNull()) return probe;
    probe.null = false;
    switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float:
            probe.isNumber = probe.hasNumber = true;
            probe.number = value.toDouble();
            return probe;
        default:
            break;
    }
    probe.text = value.toString().toUtf8();
    probe.number = value.toString().toDouble(&probe.hasNumber);
    return probe;
}

bool Rows::Equals(int row, int column, const Probe& probe) const {
    const Cell& cell = At(row, column);
    if (probe.null) return false;
    switch (cell.kind) {
        case Kind::Integer:
            return probe.hasNumber && double(cell.integer) == probe.number;
        case Kind::Real:
            return probe.hasNumber && cell.real == probe.number;
        case Kind::Text:
            if (probe.isNumber) {
                bool ok = false;
                const double stored = QByteArrayView(TextOf(cell), cell.length).toDouble(&ok);
                return ok && stored == probe.number;
            }
            return CompareNoCase(TextOf(cell), cell.length, probe.text.constData(), int(probe.text.size())) ==
                   0;
        case Kind::Blob:
        case Kind::Null:
            break;
    }
    return false;
}

}  // namespace orvex
