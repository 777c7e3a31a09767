#include <gtest/gtest.h>

#include <QCollator>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cstring>

#include "core/db/Collation.h"

namespace orvex {
namespace {

int Sign(int v) {
    return (v > 0) - (v < 0);
}

int CompareUtf8(const QString& a, const QString& b) {
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    return CompareNoCase(x.constData(), int(x.size()), y.constData(), int(y.size()));
}

// Listed out of order on purpose; the Ukrainian letters that code point order misplaces (Ґ, Є, І,
// Ї) appear beside their neighbours, with apostrophes, hyphens and blanks where names have them.
const QStringList kNames = {
    "Ющенко Віктор",
    "Ґудзь Остап",
    "Гуцул Марко",
    "Їжакевич Лука",
    "Іваненко Іван",
    "Йосипенко Дарина",
    "Ищенко Карина",
    "Євтушенко Петро",
    "Ємець Олена",
    "Дем`ян Ігор",
    "Дем'яненко Ольга",
    "Демченко Анна",
    "Петренко-Іваненко Ганна",
    "Петренко Іван",
    "Петренков Роман",
    "Яковенко Тарас",
    "Ярема Степан",
    "Щербак Віра",
    "Шевченко Тарас",
    "Чорновол Юрій",
    "Ьоган Тест",
    "Цимбал Петро",
    "Бойко Марія",
    "Андрущенко Анна",
    "Абрамович Ілля",
    "Коваль Ярослав",
    "Коваль Олег",
    "Ковальчук Ірина",
    "Зінченко Тетяна",
    "Ївга Іванівна",
    "Ґалаган Олена",
    "Гаврилюк Ольга",
    "Smith John",
    "Ільченко Ґанна",
    "Іл'юк Віра",
    "Єрмак Ілько",
};

TEST(CollationTest, SortsUkrainianNamesAsTheUkrainianCollator) {
    QCollator collator(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
    QStringList expected = kNames;
    std::sort(expected.begin(), expected.end(),
              [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    QStringList byString = kNames;
    std::sort(byString.begin(), byString.end(),
              [](const QString& a, const QString& b) { return CompareNoCase(a, b) < 0; });
    QStringList byUtf8 = kNames;
    std::sort(byUtf8.begin(), byUtf8.end(),
              [](const QString& a, const QString& b) { return CompareUtf8(a, b) < 0; });
    EXPECT_EQ(byString, expected) << byString.join(u'\n').toStdString();
    EXPECT_EQ(byUtf8, expected);
}

TEST(CollationTest, IgnoresCaseOfUkrainianAndLatinLettersOnly) {
    const struct {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"Ґанна", "ґАННА", 0},    {"Євген", "єВГЕН", 0},  {"Іван", "іВАН", 0}, {"Їжак", "їЖАК", 0},
        {"Йосип", "йОСИП", 0},    {"Smith", "sMITH", 0},  {"ЬЮЯ", "ьюя", 0},   {"Ёж", "ёЖ", 0},
        {"Гена", "Ґена", -1},     {"Ґена", "Дена", -1},   {"Ева", "Єва", -1},  {"Єва", "Жва", -1},
        {"Ива", "Іва", -1},       {"Іва", "Їва", -1},     {"Їва", "Йва", -1},  {"Щука", "Ьюка", -1},
        {"Ьюка", "Юка", -1},      {"Ёж", "Єж", -1},       {"Ел", "Ёж", -1},    {"Ша", "Ъа", -1},
        {"Ян", "Zed", -1},        {"Іван", "Іванов", -1}, {"", "а", -1},       {"Коваль Я", "Коваль-Я", -1},
        {"Дем'ян", "Дем`ян", -1}, {"9", "А", -1},         {"Éric", "Eric", 1}, {"é", "É", 0},
    };
    for (const auto& c : cases) {
        const QString a = QString::fromUtf8(c.a);
        const QString b = QString::fromUtf8(c.b);
        EXPECT_EQ(Sign(CompareNoCase(a, b)), c.sign) << c.a << " / " << c.b;
        EXPECT_EQ(Sign(CompareNoCase(b, a)), -c.sign) << c.b << " / " << c.a;
        EXPECT_EQ(Sign(CompareUtf8(a, b)), c.sign) << c.a << " / " << c.b;
    }
}

// Equal exactly when the texts differ in letter case only; otherwise an order both ways agree on.
TEST(CollationTest, IsATotalOrderConsistentWithItsEquality) {
    QStringList texts = kNames;
    for (const QString& name : kNames) texts << name.toUpper() << name.toLower();
    texts << ""
          << " "
          << "a"
          << "A"
          << "\u00a0"
          << "\u2019"
          << "\U0001F600"
          << "\u0491\u0301";
    for (const QString& a : texts) {
        for (const QString& b : texts) {
            const int ab = Sign(CompareNoCase(a, b));
            ASSERT_EQ(ab, -Sign(CompareNoCase(b, a))) << a.toStdString() << " / " << b.toStdString();
            ASSERT_EQ(ab == 0, a.toCaseFolded() == b.toCaseFolded())
                << a.toStdString() << " / " << b.toStdString();
            ASSERT_EQ(ab, Sign(CompareUtf8(a, b)));
        }
    }
}

TEST(CollationTest, MalformedUtf8ComparesWithoutReadingPastTheEnd) {
    const char* texts[] = {"\xff", "\xfe", "\xd0", "\xd0\x90", "\xe2\x82", "\xf0\x9f\x98", "a\x80", "a"};
    for (const char* a : texts) {
        for (const char* b : texts) {
            const int ab = CompareNoCase(a, int(strlen(a)), b, int(strlen(b)));
            EXPECT_EQ(Sign(ab), -Sign(CompareNoCase(b, int(strlen(b)), a, int(strlen(a)))));
            EXPECT_EQ(ab == 0, strcmp(a, b) == 0) << a << " / " << b;
        }
    }
}

TEST(CollationTest, LikeMatchesWildcardsAndIgnoresCase) {
    const struct {
        const char* pattern;
        const char* text;
        bool match;
        char32_t escape = 0;
    } cases[] = {
        {"%іва%", "ІВАНЕНКО", true},
        {"ІВА%", "іваненко", true},
        {"%ґ%", "ҐАЛАГАН", true},
        {"%Є%", "єва", true},
        {"%ї", "КИЇ", true},
        {"_ван", "Іван", true},
        {"__ан", "Іван", true},
        {"___ан", "Іван", false},
        {"Іван", "Іванов", false},
        {"Іван", "іван", true},
        {"%", "", true},
        {"", "", true},
        {"_", "", false},
        {"", "а", false},
        {"%%", "abc", true},
        {"a%b%c", "aXbYc", true},
        {"a%b%c", "aXbY", false},
        {"%aab", "aaab", true},
        {"%a%a%a%b", "aaaaaaaaaaaaaaaaaaaa", false},
        {"Smith", "SMITH", true},
        {"%'%", "Дем'ян", true},
        {"%`%", "Дем'ян", false},
        {"%ян", "Дем`ян", true},
        {"100\\%", "100%", true, U'\\'},
        {"100\\%", "1000", false, U'\\'},
        {"a\\_c", "abc", false, U'\\'},
        {"a\\_c", "a_c", true, U'\\'},
        {"a\\", "a", false, U'\\'},
        {"%\\%", "50%", true, U'\\'},
        {"ф%", "%", true, U'ф'},
        {"фф", "Ф", true, U'ф'},
        {"%\xff%", "a\xff", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LikeMatch(c.pattern, int(strlen(c.pattern)), c.text, int(strlen(c.text)), c.escape),
                  c.match)
            << c.pattern << " LIKE " << c.text;
        if (c.escape == 0 && QString::fromUtf8(c.pattern).toUtf8() == c.pattern) {
            EXPECT_EQ(LikeMatch(QString::fromUtf8(c.pattern), QString::fromUtf8(c.text)), c.match)
                << c.pattern << " LIKE " << c.text;
        }
    }
}

}  // namespace
}  // namespace orvex
