#include "core/db/FieldBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimeEdit>

#include "core/Errors.h"
#include "core/Prompt.h"
#include "core/db/RowSet.h"

namespace orvex {

FieldBinding::FieldBinding(RowSet& rows, const QString& column, QWidget* field, QObject* parent)
    : QObject(parent), m_rows(rows), m_column(column), m_field(field) {
    // Only user changes lead to an edit: programmatic loads run with m_showing set.
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        connect(line, &QLineEdit::textEdited, this, &FieldBinding::UserChanged);
    } else if (auto* text = qobject_cast<QTextEdit*>(field)) {
        connect(text, &QTextEdit::textChanged, this, &FieldBinding::UserChanged);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        connect(plain, &QPlainTextEdit::textChanged, this, &FieldBinding::UserChanged);
    } else if (auto* dateTime = qobject_cast<QDateTimeEdit*>(field)) {
        connect(dateTime, &QDateTimeEdit::dateTimeChanged, this, &FieldBinding::UserChanged);
    } else if (auto* combo = qobject_cast<QComboBox*>(field)) {
        connect(combo, &QComboBox::currentIndexChanged, this, &FieldBinding::UserChanged);
        connect(combo, &QComboBox::editTextChanged, this, [this] {
            if (m_comboValue == ComboValue::Text) UserChanged();
        });
    } else if (auto* check = qobject_cast<QCheckBox*>(field)) {
        connect(check, &QCheckBox::toggled, this, &FieldBinding::UserChanged);
    }
    connect(&rows, &RowSet::reset, this, &FieldBinding::Show);
    connect(&rows, &RowSet::currentChanged, this, &FieldBinding::Show);
    connect(&rows, &RowSet::stateChanged, this, &FieldBinding::Show);
    connect(&rows, &RowSet::rowChanged, this, [this](int position) {
        if (position == m_rows.Position()) Show();
    });
    Show();
}

void FieldBinding::SetReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    Show();
}

void FieldBinding::Show() {
    QWidget* field = m_field;
    if (!field || m_showing) return;
    m_showing = true;
    const bool hasRow = m_rows.IsOpen() && m_rows.Position() >= 0;
    const bool readOnly = m_readOnly || !hasRow;
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        const QString text = m_rows.Text(m_column);
        if (line->text() != text) line->setText(text);  // keeps the caret while the user types
        line->setReadOnly(readOnly);
    } else if (auto* edit = qobject_cast<QTextEdit*>(field)) {
        const QString text = m_rows.Text(m_column);
        if (edit->toPlainText() != text) edit->setPlainText(text);
        edit->setReadOnly(readOnly);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        const QString text = m_rows.Text(m_column);
        if (plain->toPlainText() != text) plain->setPlainText(text);
        plain->setReadOnly(readOnly);
    } else if (auto* time = qobject_cast<QTimeEdit*>(field)) {
        const QTime value = m_rows.Time(m_column);
        time->setTime(value.isValid() ? value : QTime(0, 0));
        time->setReadOnly(readOnly);
    } else if (auto* date = qobject_cast<QDateTimeEdit*>(field)) {
        const QDate value = m_rows.Date(m_column);
        date->setDate(value.isValid() ? value : date->minimumDate());
        date->setReadOnly(readOnly);
    } else if (auto* combo = qobject_cast<QComboBox*>(field)) {
        if (m_comboValue == ComboValue::Index) {
            const int index = m_rows.IsNull(m_column) ? -1 : m_rows.Int(m_column);
            combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
        } else {
            const QString text = m_rows.Text(m_column);
            const int index = combo->findText(text, Qt::MatchFixedString);
            if (index >= 0) combo->setCurrentIndex(index);
            if (combo->isEditable())
                combo->setEditText(text);
            else if (index < 0)
                combo->setCurrentIndex(-1);
        }
        combo->setEnabled(!readOnly);
    } else if (auto* check = qobject_cast<QCheckBox*>(field)) {
        check->setChecked(m_rows.Bool(m_column));
        check->setEnabled(!readOnly);
    }
    m_showing = false;
}

QVariant FieldBinding::FieldValue() const {
    QWidget* field = m_field;
    if (auto* line = qobject_cast<QLineEdit*>(field)) return line->text();
    if (auto* edit = qobject_cast<QTextEdit*>(field)) return edit->toPlainText();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) return plain->toPlainText();
    if (auto* time = qobject_cast<QTimeEdit*>(field)) return time->time();
    if (auto* date = qobject_cast<QDateTimeEdit*>(field)) return date->date();
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        if (m_comboValue == ComboValue::Text) return combo->currentText();
        return combo->currentIndex() < 0 ? QVariant() : QVariant(combo->currentIndex());
    }
    if (auto* check = qobject_cast<QCheckBox*>(field)) return check->isChecked();
    return {};
}

void FieldBinding::UserChanged() {
    if (m_showing || !m_field) return;
    // While the row goes into edit and takes the value, the row set's echoes must not reload the
    // field under the user's caret.
    m_showing = true;
    bool written = false;
    try {
        if (!m_readOnly && m_rows.IsOpen() && m_rows.Position() >= 0 && m_rows.Edit()) {
            m_rows.SetValue(m_column, FieldValue());
            written = true;
        }
    } catch (const Error& e) {
        m_showing = false;
        ShowError(e.text());
    }
    m_showing = false;
    if (!written) Show();  // refused (the row is locked elsewhere): back to the stored value
}

}  // namespace orvex
