#include "core/Prompt.h"

namespace orvex {
namespace {

// Shows nothing and declines every question: what a program without a screen should do.
class SilentPrompter : public Prompter {
public:
    void ShowWarning(const QString&) override {}
    void ShowInfo(const QString&) override {}
    void ShowError(const QString&) override {}
    bool AskYesNo(const QString&) override { return false; }
    Answer AskYesNoCancel(const QString&) override { return Answer::Cancel; }
    std::optional<QString> InputText(const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseOpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseSaveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseFolder(const QString&, const QString&) override { return {}; }
};

SilentPrompter g_silent;
Prompter* g_prompter = &g_silent;

}  // namespace

void InstallPrompter(Prompter* prompter) {
    g_prompter = prompter ? prompter : &g_silent;
}
Prompter& CurrentPrompter() {
    return *g_prompter;
}

void ShowWarning(const QString& text) {
    g_prompter->ShowWarning(text);
}
void ShowInfo(const QString& text) {
    g_prompter->ShowInfo(text);
}
void ShowError(const QString& text) {
    g_prompter->ShowError(text);
}
bool AskYesNo(const QString& text) {
    return g_prompter->AskYesNo(text);
}
Answer AskYesNoCancel(const QString& text) {
    return g_prompter->AskYesNoCancel(text);
}
std::optional<QString> InputText(const QString& caption, const QString& prompt, const QString& value) {
    return g_prompter->InputText(caption, prompt, value);
}
QString ChooseOpenFile(const QString& title, const QString& folder, const QString& filter) {
    return g_prompter->ChooseOpenFile(title, folder, filter);
}
QString ChooseSaveFile(const QString& title, const QString& folder, const QString& filter) {
    return g_prompter->ChooseSaveFile(title, folder, filter);
}
QString ChooseFolder(const QString& title, const QString& folder) {
    return g_prompter->ChooseFolder(title, folder);
}

}  // namespace orvex
