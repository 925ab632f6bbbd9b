#include "geom/wildcard.h"

#include <string>

#include <gtest/gtest.h>

namespace {

bool match(std::string_view text, std::string_view pattern) {
    return zcad::geom::WildcardPattern(pattern).matches(text);
}

TEST(Wildcard, ClassesMatchOneCharacterEach) {
    EXPECT_TRUE(match("a1", "@#"));
    EXPECT_FALSE(match("aa", "@#"));
    EXPECT_TRUE(match("a-b", "@.@"));
    EXPECT_FALSE(match("a1b", "@.@"));
    EXPECT_TRUE(match("\xE9t\xE9", "@@@"));  // accented letters of Windows-1252
    EXPECT_TRUE(match("x", "?"));
    EXPECT_FALSE(match("", "?"));
    EXPECT_FALSE(match("Road", "road"));  // case-sensitive
    EXPECT_FALSE(match("roa", "road"));
}

TEST(Wildcard, StarTakesAnyRunAnywhere) {
    EXPECT_TRUE(match("", "*"));
    EXPECT_TRUE(match("rd", "r*d"));
    EXPECT_TRUE(match("kerb12", "*erb*"));
    EXPECT_FALSE(match("road", "r*x"));
    EXPECT_TRUE(match("abcbcd", "a*bcd"));
    EXPECT_TRUE(match("mississippi", "m*iss*ppi"));
    EXPECT_FALSE(match("mississippi", "m*iss*ppx"));
}

TEST(Wildcard, TildeNegatesEachAlternativeAtItsStart) {
    EXPECT_TRUE(match("tree", "~r*"));
    EXPECT_FALSE(match("road", "~r*"));
    EXPECT_FALSE(match("ab", "a~b"));  // elsewhere a plain '~'
    EXPECT_TRUE(match("kerb", "road*,kerb*"));
    EXPECT_FALSE(match("tree", "road*,kerb*"));
    EXPECT_TRUE(match("kerb", "road,~tree"));
    EXPECT_FALSE(match("tree", "road,~tree"));
    EXPECT_TRUE(match("", "a,"));
    EXPECT_FALSE(match("a", ""));
}

TEST(Wildcard, BracketsHoldSetsRangesAndNegatedSets) {
    EXPECT_TRUE(match("b1", "[abc]#"));
    EXPECT_FALSE(match("d1", "[abc]#"));
    EXPECT_TRUE(match("M", "[a-zA-Z]"));
    EXPECT_FALSE(match("M", "[a-z]"));
    EXPECT_TRUE(match("-", "[a-]"));  // a trailing '-' is a member
    EXPECT_TRUE(match("d", "[~abc]"));
    EXPECT_FALSE(match("q", "[~a-z]"));
    EXPECT_TRUE(match("]", "[]]"));   // ']' first is a member
    EXPECT_TRUE(match(",", "[,]"));   // so is a comma
    EXPECT_TRUE(match("[a", "[a"));   // no closing bracket: a plain '['
}

TEST(Wildcard, BackquoteEscapesTheNextCharacter) {
    EXPECT_TRUE(match("a*b", "a`*b"));
    EXPECT_FALSE(match("axb", "a`*b"));
    EXPECT_TRUE(match("a,b", "a`,b"));
    EXPECT_FALSE(match("1", "`#"));
    EXPECT_TRUE(match("~x", "`~x"));
    EXPECT_TRUE(match("a`", "a`"));  // a trailing backquote stands for itself
    EXPECT_TRUE(match("-", "[a`-z]"));
    EXPECT_FALSE(match("m", "[a`-z]"));
}

TEST(Wildcard, PathologicalStarsFinishAtOnce) {
    const std::string text(20000, 'a');
    const std::string pattern = "*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b";
    // A backtracking matcher would not come back from these.
    EXPECT_FALSE(match(text, pattern));
    EXPECT_TRUE(match(text + "b", pattern));
}

TEST(Wildcard, ReassignedPatternForgetsTheOldOne) {
    zcad::geom::WildcardPattern p("[abc],x*");
    EXPECT_TRUE(p.matches("xyz"));
    p.assign("#");
    EXPECT_FALSE(p.matches("a"));
    EXPECT_TRUE(p.matches("7"));
}

}  // namespace
