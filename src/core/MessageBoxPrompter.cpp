#include "core/MessageBoxPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace orvex {
namespace {

QWidget* Parent() {
    return QApplication::activeWindow();
}

QString Title() {
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Orvex") : name;
}

// Several messages break their lines with LF CR; a box shows them as plain line breaks.
QString Shown(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    shown.remove(u'\r');
    return shown;
}

QMessageBox::StandardButton Ask(QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, Title(), Shown(text), buttons, Parent());
    box.setDefaultButton(defaultButton);
    if (QAbstractButton* b = box.button(QMessageBox::Ok)) b->setText(QStringLiteral("OK"));
    if (QAbstractButton* b = box.button(QMessageBox::Yes)) b->setText(QStringLiteral("Так"));
    if (QAbstractButton* b = box.button(QMessageBox::No)) b->setText(QStringLiteral("Ні"));
    if (QAbstractButton* b = box.button(QMessageBox::Cancel)) b->setText(QStringLiteral("Скасувати"));
    return QMessageBox::StandardButton(box.exec());
}

}  // namespace

void MessageBoxPrompter::ShowWarning(const QString& text) {
    Ask(QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBoxPrompter::ShowInfo(const QString& text) {
    Ask(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBoxPrompter::ShowError(const QString& text) {
    Ask(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBoxPrompter::AskYesNo(const QString& text) {
    return Ask(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

Answer MessageBoxPrompter::AskYesNoCancel(const QString& text) {
    switch (Ask(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::optional<QString> MessageBoxPrompter::InputText(const QString& caption, const QString& prompt,
                                                     const QString& value) {
    QInputDialog dialog(Parent());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Скасувати"));
    dialog.resize(qMax(dialog.sizeHint().width(), 360), dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

QString MessageBoxPrompter::ChooseOpenFile(const QString& title, const QString& folder,
                                           const QString& filter) {
    return QFileDialog::getOpenFileName(Parent(), title, folder, filter);
}

QString MessageBoxPrompter::ChooseSaveFile(const QString& title, const QString& folder,
                                           const QString& filter) {
    return QFileDialog::getSaveFileName(Parent(), title, folder, filter);
}

QString MessageBoxPrompter::ChooseFolder(const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(Parent(), title, folder);
}

}  // namespace orvex
