#include "core/ScriptedPrompter.h"

namespace orvex {

QStringList ScriptedPrompter::Texts() const {
    QStringList texts;
    for (const Shown& s : m_shown) texts.append(s.text);
    return texts;
}

QStringList ScriptedPrompter::Texts(Kind kind) const {
    QStringList texts;
    for (const Shown& s : m_shown)
        if (s.kind == kind) texts.append(s.text);
    return texts;
}

bool ScriptedPrompter::Saw(const QString& text) const {
    for (const Shown& s : m_shown)
        if (s.text == text) return true;
    return false;
}

void ScriptedPrompter::Clear() {
    m_shown.clear();
    m_answers.clear();
    m_unexpected = 0;
}

std::optional<QVariant> ScriptedPrompter::Next() {
    if (m_answers.empty()) {
        ++m_unexpected;
        return std::nullopt;
    }
    QVariant answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

bool ScriptedPrompter::AskYesNo(const QString& text) {
    m_shown.append({Kind::YesNo, text});
    const auto answer = Next();
    return answer && answer->toInt() == int(Answer::Yes);
}

Answer ScriptedPrompter::AskYesNoCancel(const QString& text) {
    m_shown.append({Kind::YesNoCancel, text});
    const auto answer = Next();
    return answer ? Answer(answer->toInt()) : Answer::Cancel;
}

QString ScriptedPrompter::NextText(Kind kind, const QString& text) {
    m_shown.append({kind, text});
    const auto answer = Next();
    if (!answer || answer->typeId() != QMetaType::QString) return {};
    return answer->toString();
}

std::optional<QString> ScriptedPrompter::InputText(const QString& caption, const QString& prompt,
                                                   const QString&) {
    m_shown.append({Kind::Input, caption + u'|' + prompt});
    const auto answer = Next();
    if (!answer || answer->typeId() != QMetaType::QString) return std::nullopt;  // Cancel
    return answer->toString();
}

QString ScriptedPrompter::ChooseOpenFile(const QString& title, const QString&, const QString&) {
    return NextText(Kind::OpenFile, title);
}

QString ScriptedPrompter::ChooseSaveFile(const QString& title, const QString&, const QString&) {
    return NextText(Kind::SaveFile, title);
}

QString ScriptedPrompter::ChooseFolder(const QString& title, const QString&) {
    return NextText(Kind::Folder, title);
}

}  // namespace orvex
