#include "platform/Text.h"

#include <gtest/gtest.h>

using platform::JoinPath;
using platform::ToTextMode;

TEST(TextMode, LineFeedsBecomeCrLf) {
    EXPECT_EQ(ToTextMode(""), "");
    EXPECT_EQ(ToTextMode("a\nb\n"), "a\r\nb\r\n");
    // A carriage return already before a line feed stays: CR CR LF on disk.
    EXPECT_EQ(ToTextMode("text\r\n"), "text\r\r\n");
    EXPECT_EQ(ToTextMode("\n\n"), "\r\n\r\n");
}

TEST(JoinPath, OneSeparatorAndBounds) {
    EXPECT_EQ(JoinPath("C:\\T\\", "f.txt"), "C:\\T\\f.txt");
    EXPECT_EQ(JoinPath("C:\\T", "f.txt"), "C:\\T\\f.txt");
    EXPECT_EQ(JoinPath("", "f.txt"), "f.txt");
    // Capacity counts the terminator: 10 characters fit in 11, not in 10.
    EXPECT_EQ(JoinPath("C:\\abc", "def", 11), "C:\\abc\\def");
    EXPECT_FALSE(JoinPath("C:\\abc", "def", 10).has_value());
    EXPECT_FALSE(JoinPath(std::string(300, 'a'), "b").has_value());
}
