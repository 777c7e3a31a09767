#include <gtest/gtest.h>

#include "core/Prompt.h"
#include "core/ScriptedPrompter.h"

namespace orvex {
namespace {

TEST(PromptTest, ScriptedPrompterRecordsAndAnswersInOrder) {
    ScriptedPrompter prompts;
    InstallPrompter(&prompts);
    prompts.AnswerYes();
    prompts.AnswerCancel();
    prompts.AnswerText(QStringLiteral("Нова група"));
    prompts.AnswerCancel();
    prompts.AnswerText(QStringLiteral("/tmp/x.bkf"));

    ShowWarning(QStringLiteral("Увага"));
    EXPECT_TRUE(AskYesNo(QStringLiteral("Видалити?")));
    EXPECT_EQ(AskYesNoCancel(QStringLiteral("Зберегти?")), Answer::Cancel);
    EXPECT_EQ(InputText(QStringLiteral("Нова група"), QStringLiteral("Назва:")),
              QStringLiteral("Нова група"));
    EXPECT_EQ(InputText(QStringLiteral("Захист"), QStringLiteral("Пароль")), std::nullopt);  // cancelled
    EXPECT_EQ(ChooseSaveFile(QStringLiteral("Архів")), QStringLiteral("/tmp/x.bkf"));

    EXPECT_EQ(prompts.Texts(), QStringList({"Увага", "Видалити?", "Зберегти?",
                                            "Нова група|Назва:", "Захист|Пароль", "Архів"}));
    EXPECT_EQ(prompts.Texts(ScriptedPrompter::Kind::Warning), QStringList({"Увага"}));
    EXPECT_EQ(prompts.Unexpected(), 0);
    EXPECT_EQ(prompts.Unused(), 0);
    InstallPrompter(nullptr);
}

TEST(PromptTest, UnscriptedQuestionsAreDeclinedAndCounted) {
    ScriptedPrompter prompts;
    InstallPrompter(&prompts);
    EXPECT_FALSE(AskYesNo(QStringLiteral("Видалити?")));
    EXPECT_EQ(AskYesNoCancel(QStringLiteral("Зберегти?")), Answer::Cancel);
    EXPECT_TRUE(ChooseFolder(QStringLiteral("Виберіть папку")).isEmpty());
    EXPECT_EQ(prompts.Unexpected(), 3);
    InstallPrompter(nullptr);

    // Without a prompter nothing is shown and nothing is agreed to.
    EXPECT_FALSE(AskYesNo(QStringLiteral("Видалити?")));
    EXPECT_EQ(InputText(QStringLiteral("a"), QStringLiteral("b")), std::nullopt);
}

}  // namespace
}  // namespace orvex
