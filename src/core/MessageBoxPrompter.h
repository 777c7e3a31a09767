#pragma once

#include "core/Prompt.h"

namespace orvex {

// The prompter of the running program: modal message boxes, input boxes and file choosers with
// Ukrainian buttons.
class MessageBoxPrompter : public Prompter {
public:
    void ShowWarning(const QString& text) override;
    void ShowInfo(const QString& text) override;
    void ShowError(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    Answer AskYesNoCancel(const QString& text) override;
    std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                     const QString& value) override;
    QString ChooseOpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString ChooseSaveFile(const QString& title, const QString& folder, const QString& filter) override;
    QString ChooseFolder(const QString& title, const QString& folder) override;
};

}  // namespace orvex
