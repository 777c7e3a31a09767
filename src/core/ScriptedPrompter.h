#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <deque>

#include "core/Prompt.h"

namespace orvex {

// A prompter for headless runs: records everything shown and answers questions, input boxes and
// choosers from a queue. A question with no queued answer is recorded as unexpected and answered
// No / Cancel / empty, so a test can fail on it instead of hanging.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Warning, Info, Error, YesNo, YesNoCancel, Input, OpenFile, SaveFile, Folder };
    struct Shown {
        Kind kind;
        QString text;  // the message, question or prompt (caption + "|" + prompt for input boxes)
    };

    // Queue the next answers, in the order the questions will come.
    void AnswerYes() { m_answers.push_back(QVariant(int(Answer::Yes))); }
    void AnswerNo() { m_answers.push_back(QVariant(int(Answer::No))); }
    void AnswerCancel() { m_answers.push_back(QVariant(int(Answer::Cancel))); }
    void AnswerText(const QString& text) { m_answers.push_back(QVariant(text)); }  // input box or chooser

    const QList<Shown>& shown() const { return m_shown; }
    QStringList Texts() const;            // every text shown, in order
    QStringList Texts(Kind kind) const;   // those of one kind
    bool Saw(const QString& text) const;  // shown, exactly, at least once
    int Unexpected() const { return m_unexpected; }
    int Unused() const { return int(m_answers.size()); }
    void Clear();

    void ShowWarning(const QString& text) override { m_shown.append({Kind::Warning, text}); }
    void ShowInfo(const QString& text) override { m_shown.append({Kind::Info, text}); }
    void ShowError(const QString& text) override { m_shown.append({Kind::Error, text}); }
    bool AskYesNo(const QString& text) override;
    Answer AskYesNoCancel(const QString& text) override;
    std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                     const QString& value) override;
    QString ChooseOpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString ChooseSaveFile(const QString& title, const QString& folder, const QString& filter) override;
    QString ChooseFolder(const QString& title, const QString& folder) override;

private:
    std::optional<QVariant> Next();
    QString NextText(Kind kind, const QString& text);

    QList<Shown> m_shown;
    std::deque<QVariant> m_answers;
    int m_unexpected = 0;
};

}  // namespace orvex
