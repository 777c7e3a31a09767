#pragma once

#include <QString>
#include <optional>

namespace orvex {

// Every message box, question, input box and file or folder chooser of the program goes through
// the installed Prompter, so logic may ask and tests can answer.

enum class Answer { Yes, No, Cancel };

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void ShowWarning(const QString& text) = 0;
    virtual void ShowInfo(const QString& text) = 0;
    virtual void ShowError(const QString& text) = 0;
    virtual bool AskYesNo(const QString& text) = 0;
    virtual Answer AskYesNoCancel(const QString& text) = 0;
    // Empty optional when the user cancels.
    virtual std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                             const QString& value) = 0;
    // Empty text when the user cancels.
    virtual QString ChooseOpenFile(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual QString ChooseSaveFile(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual QString ChooseFolder(const QString& title, const QString& folder) = 0;
};

// Installs the prompter every call below goes to (not owned); nullptr restores the silent default,
// which shows nothing and answers No / Cancel.
void InstallPrompter(Prompter* prompter);
Prompter& CurrentPrompter();

void ShowWarning(const QString& text);
void ShowInfo(const QString& text);
void ShowError(const QString& text);
bool AskYesNo(const QString& text);
Answer AskYesNoCancel(const QString& text);
std::optional<QString> InputText(const QString& caption, const QString& prompt, const QString& value = {});
QString ChooseOpenFile(const QString& title, const QString& folder = {}, const QString& filter = {});
QString ChooseSaveFile(const QString& title, const QString& folder = {}, const QString& filter = {});
QString ChooseFolder(const QString& title, const QString& folder = {});

}  // namespace orvex
