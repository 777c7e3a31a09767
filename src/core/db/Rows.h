#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace orvex {

// The materialised result of a query: column names, declared types and the stored values as they
// are (integer, real — dates are day numbers —, text or null). Values are kept compact (texts as
// UTF-8 in one buffer) and become QVariants when read, so a list of 50 000 patients loads at the
// engine's own pace and only the rows shown are ever converted.
struct Rows {
    QStringList columns;
    QStringList types;  // declared column types ("DATETIME", "CURRENCY", "BIT", …); "" for expressions

    int Count() const { return columns.isEmpty() ? 0 : int(m_count / columns.size()); }
    // The first column of that name, letter case ignored; -1 when there is none.
    int ColumnIndex(const QString& column) const;
    // Throws DbError for an unknown column or row.
    QVariant Value(int row, const QString& column) const;
    QVariant Value(int row, int column) const;
    bool IsNull(int row, int column) const { return At(row, column).kind == Kind::Null; }

    // A value prepared for comparing with many stored ones (Locate, filters).
    struct Probe {
        bool null = true;
        bool isNumber = false;   // the value is a number
        bool hasNumber = false;  // …or a text that reads as one
        double number = 0;
        QByteArray text;  // UTF-8
    };
    static Probe ProbeOf(const QVariant& value);
    // Equal as the program compares values: numbers by value (a numeric text counts as its number),
    // texts with the database's NOCASE; null equals nothing.
    bool Equals(int row, int column, const Probe& probe) const;

    // Filling (the engine's reader) and changing (the row set's posts) the stored values.
    void AddNull() { Push({}); }
    void AddInteger(qint64 value);
    void AddReal(double value);
    void AddText(const char* utf8, int length);
    void AddBlob(const char* bytes, int length);
    void AppendRow();  // a row of nulls
    void RemoveRow(int row);
    void Set(int row, int column, const QVariant& value);

private:
    enum class Kind : quint8 { Null, Integer, Real, Text, Blob };
    struct Cell {
        union {
            qint64 integer = 0;
            double real;
            qint64 at;  // texts and blobs: block << 32 | offset in m_texts
        };
        qint32 length = 0;
        Kind kind = Kind::Null;
    };
    // Fixed-size blocks, filled in place: growing never copies what was read, and memory is
    // touched once (a single growing array copies and faults in about twice the final size).
    static constexpr int kBlockShift = 16;
    static constexpr qsizetype kBlockCells = qsizetype(1) << kBlockShift;
    static constexpr qsizetype kTextBlock = qsizetype(1) << 20;

    const Cell& At(qsizetype index) const {
        return m_cells[size_t(index >> kBlockShift)][size_t(index & (kBlockCells - 1))];
    }
    Cell& At(qsizetype index) {
        return m_cells[size_t(index >> kBlockShift)][size_t(index & (kBlockCells - 1))];
    }
    const Cell& At(int row, int column) const { return At(qsizetype(row) * columns.size() + column); }
    const char* TextOf(const Cell& cell) const {
        return m_texts[qsizetype(cell.at >> 32)].constData() + (cell.at & 0xFFFFFFFF);
    }
    void Push(const Cell& cell);
    qint64 StoreText(const char* bytes, qsizetype length);
    void AddBytes(Kind kind, const char* bytes, int length);
    Cell MakeCell(const QVariant& value);

    std::vector<std::vector<Cell>> m_cells;  // row-major, in blocks of kBlockCells
    qsizetype m_count = 0;
    QList<QByteArray> m_texts;  // blocks of UTF-8, each filled up to its reserved size
};

}  // namespace orvex
