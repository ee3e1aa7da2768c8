#include "auth/PasswordHash.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(PasswordHash, HashesAreSaltedAndMatchOnlyTheExactPassword)
{
    const QString hash = HashPassword("Secret1");
    EXPECT_TRUE(IsPasswordHash(hash));
    EXPECT_NE(hash, HashPassword("Secret1"));
    EXPECT_TRUE(PasswordMatches("Secret1", hash));
    EXPECT_FALSE(PasswordMatches("secret1", hash));
    EXPECT_FALSE(PasswordMatches("", hash));
    EXPECT_TRUE(PasswordMatches("", HashPassword("")));
    EXPECT_TRUE(PasswordMatches("密码", HashPassword("密码")));
}

TEST(PasswordHash, PlainTextFromOlderAccountSetsStillMatches)
{
    EXPECT_FALSE(IsPasswordHash("abc"));
    EXPECT_TRUE(PasswordMatches("abc", "abc"));
    EXPECT_FALSE(PasswordMatches("ABC", "abc"));
    EXPECT_TRUE(PasswordMatches("", ""));
    EXPECT_TRUE(PasswordMatches("", QString()));
    EXPECT_FALSE(PasswordMatches("x", ""));
}

} // namespace
