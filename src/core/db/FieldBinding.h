#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <QWidget>

namespace orvex {

class RowSet;

// Ties an edit field (QLineEdit, QTextEdit, QPlainTextEdit, QDateEdit, QTimeEdit, QComboBox,
// QCheckBox) to a column of a row set: the field shows the current row; a user change puts the
// row into edit (through before-edit, which may refuse and restore the field) and writes the value.
// A combo box stores its current index unless told to store its text.
class FieldBinding : public QObject {
    Q_OBJECT
public:
    enum class ComboValue { Index, Text };

    FieldBinding(RowSet& rows, const QString& column, QWidget* field, QObject* parent = nullptr);
    void SetComboValue(ComboValue kind) {
        m_comboValue = kind;
        Show();
    }
    // Shown read-only whatever the row set's state (computed or protected fields).
    void SetReadOnly(bool readOnly);
    QWidget* field() const { return m_field; }
    const QString& column() const { return m_column; }

    void Show();  // reloads the field from the current row

private:
    void UserChanged();
    QVariant FieldValue() const;

    RowSet& m_rows;
    QString m_column;
    QPointer<QWidget> m_field;
    ComboValue m_comboValue = ComboValue::Index;
    bool m_showing = false;
    bool m_readOnly = false;
};

}  // namespace orvex
