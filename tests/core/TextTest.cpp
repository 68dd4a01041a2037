#include "core/Text.h"

#include <gtest/gtest.h>

using namespace std::string_view_literals;

TEST(Text, FindGivesFirstOneBasedPositionOrZero)
{
    struct TCase {
        std::string_view Pattern, Text;
        TTextPos Expected;
    };
    const TCase cases[] = {
        {"a", "abc", 1},
        {"c", "abc", 3},
        {"b", "abab", 2},
        {"abc", "abc", 1},
        {"abcd", "abc", 0},
        {"B", "abc", 0},   // letter case counts
        {"", "abc", 0},    // empty pattern
        {"a", "", 0},      // empty text
        {"", "", 0},
        {"\0b"sv, "a\0b"sv, 2}, // NUL is an ordinary byte
        {"\xE9", "caf\xE9", 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Find(c.Pattern, c.Text), c.Expected) << c.Pattern << " in " << c.Text;
}

TEST(Text, SliceAndRestFollowTheOneBasedRules)
{
    struct TCase {
        TTextPos Start, Count;
        std::string_view Expected;
    };
    const TCase cases[] = {
        {1, 3, "abc"},
        {3, 100, "cdef"},  // fewer when the text ends first
        {6, 1, "f"},
        {7, 1, ""},        // past the last character
        {0, 3, ""},        // a start below 1 is not moved to 1
        {-1, 5, ""},
        {2, 0, ""},
        {2, -1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Slice("abcdef", c.Start, c.Count), c.Expected) << c.Start << "," << c.Count;
        EXPECT_EQ(SliceView("abcdef", c.Start, c.Count), c.Expected) << c.Start << "," << c.Count;
    }
    EXPECT_EQ(Slice("", 1, 1), "");
    EXPECT_EQ(Rest("abcdef", 1), "abcdef");
    EXPECT_EQ(Rest("abcdef", 4), "def");
    EXPECT_EQ(Rest("abcdef", 7), "");
    EXPECT_EQ(Rest("abcdef", 0), "");
    EXPECT_EQ(RestView("a\0b"sv, 2), "\0b"sv);
}
