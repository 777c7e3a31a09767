#include "users/Digest.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(DigestTest, Md5OfWin1251BytesWithoutLeadingZeros) {
    const std::pair<QString, QString> cases[] = {
        {"abc", "90150983CD24FB0D6963F7D28E17F72"},
        {"", "D41D8CD98F0B24E980998ECF8427E"},         // bytes 00 and 04 give "0" and "4"
        {"пароль", "749789E4982BC563F6729AAC10A614"},  // Windows-1251 bytes, not UTF-8
        {"ґ", "13733A6E73C7D0238651F7507C479553"},
    };
    for (const auto& [password, digest] : cases)
        EXPECT_EQ(PasswordDigest(password), digest) << password.toStdString();
}

}  // namespace
}  // namespace orvex
