#include <gtest/gtest.h>

#include "templates/CommaList.h"

namespace orvex {
namespace {

TEST(CommaListTest, ReadsTheTemplateFilesForms) {
    const struct {
        const char* text;
        QStringList elements;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"\"\"", {""}},
        {"a,b", {"a", "b"}},
        {"a,", {"a", ""}},  // a comma at the very end adds an empty element
        {"a, ", {"a"}},     // …but not when blanks follow it
        {",", {"", ""}},
        {"a,,b", {"a", "", "b"}},
        {",a", {"", "a"}},
        {"  a ,\tb", {"a", "b"}},
        {"a b", {"a", "b"}},  // an unquoted blank ends the element
        {"\"Пломба, світлова\",0,\"1,5x51\",25000", {"Пломба, світлова", "0", "1,5x51", "25000"}},
        {"\"він сказав \"\"так\"\"\"", {"він сказав \"так\""}},
        {"\"незакрита, лапка", {"незакрита, лапка"}},  // an unclosed quote runs to the end
        {"\"ab\"cd,e", {"ab", "cd", "e"}},
        {"Карієс,-,-", {"Карієс", "-", "-"}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseCommaList(QString::fromUtf8(c.text)), c.elements) << c.text;
}

TEST(CommaListTest, WritesWhatItReadsBack) {
    const struct {
        QStringList elements;
        const char* text;
    } cases[] = {
        {{}, ""},
        {{""}, "\"\""},
        {{"", ""}, ","},
        {{"a", ""}, "a,"},
        {{"Пломба", "0", "0"}, "Пломба,0,0"},
        {{"Пломба світлова", "1,5x51", "250"}, "\"Пломба світлова\",\"1,5x51\",250"},
        {{"\"Віта\""}, "\"\"\"Віта\"\"\""},
        {{"рядок\tз табом"}, "\"рядок\tз табом\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatCommaList(c.elements), QString::fromUtf8(c.text)) << c.text;
        EXPECT_EQ(ParseCommaList(FormatCommaList(c.elements)), c.elements) << c.text;
    }
}

}  // namespace
}  // namespace orvex
