// The host's wildcard patterns: # digit, @ letter, . any other character,
// * any run, ? any character, [set] and [~set] with ranges, ~ at the start
// of an alternative negates it, ',' separates alternatives, ` escapes.
// A pattern is parsed once into tokens and matched with the greedy star
// walk, so time is at worst text length times pattern length.
#pragma once

#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zcad::geom {

class WildcardPattern {
public:
    WildcardPattern() = default;
    explicit WildcardPattern(std::string_view pattern) { assign(pattern); }

    // Reuses the storage of the previous pattern.
    void assign(std::string_view pattern);
    // Case-sensitive; true when any alternative matches.
    bool matches(std::string_view text) const;

private:
    enum class Kind : std::uint8_t { Literal, Digit, Letter, Other, Any, Star, Set };
    struct Token {
        Kind kind;
        unsigned char ch;
        std::uint32_t set;
    };
    struct Alternative {
        std::size_t begin;
        std::size_t end;
        bool negated;
    };

    std::size_t parseAlternative(std::string_view pattern, std::size_t i);
    std::size_t parseSet(std::string_view pattern, std::size_t i);
    bool tokenMatches(const Token& token, unsigned char c) const;
    bool alternativeMatches(const Alternative& alt, std::string_view text) const;

    std::vector<Token> tokens_;
    std::vector<std::bitset<256>> sets_;
    std::vector<Alternative> alternatives_;
};

// Letters and digits as the host's single-byte (Windows-1252) text knows them.
bool isWildcardLetter(unsigned char c);
bool isWildcardDigit(unsigned char c);

}  // namespace zcad::geom
