// The module's one set of text rules. Text is single-byte, as in the suite's
// files: letters are the ASCII ones, never the locale's, so that a code or a
// layer name compares the same on every machine.
#pragma once

#include <string>
#include <string_view>

namespace zafiles {

// White space as the C library's isspace sees it in the "C" locale: space,
// tab, line feed, vertical tab, form feed, carriage return.
constexpr bool isCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

constexpr bool isAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

void upperInPlace(std::string& text);
void lowerInPlace(std::string& text);
std::string lowerCased(std::string_view text);

// Without leading spaces and without trailing characters of code 32 or
// below: how the suite's fixed-column readers take a name.
std::string_view trimField(std::string_view text);
// Without leading spaces only.
std::string_view trimLeadingSpaces(std::string_view text);
// Without leading C white space, as scanf skips it.
std::string_view trimLeadingCSpace(std::string_view text);
// Without trailing spaces only: a code keeps its tabs and its leading blanks.
std::string_view trimTrailingSpaces(std::string_view text);

// The characters a layer name the module makes keeps (after its letters
// are upper-cased): letters, digits and + - $ _. The first other one ends
// the name.
constexpr bool keptInLayerName(char upper) {
    return (upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9') || upper == '+' || upper == '-' ||
           upper == '$' || upper == '_';
}

inline constexpr unsigned kReplacementCharacter = 0xFFFD;

// The Unicode code point of a character of the module's text (Windows-1252);
// the five bytes the code page leaves out give the replacement character.
unsigned unicodeOf(char c);

// The text cut at its first '.', lower case: a font file's name ("Txt.shx")
// as the style name it stands for ("txt").
std::string fontStem(std::string_view name);

}  // namespace zafiles
