#include "wildcard.h"

namespace zcad::geom {

bool isWildcardDigit(unsigned char c) { return c >= '0' && c <= '9'; }

bool isWildcardLetter(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    // Windows-1252: Š Œ Ž š œ ž Ÿ ª µ º and the accented block but × and ÷.
    switch (c) {
        case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F:
        case 0xAA: case 0xB5: case 0xBA:
            return true;
        default:
            break;
    }
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

void WildcardPattern::assign(std::string_view pattern) {
    tokens_.clear();
    sets_.clear();
    alternatives_.clear();
    std::size_t i = 0;
    for (;;) {
        i = parseAlternative(pattern, i);
        if (i >= pattern.size()) return;
        ++i;  // the ',' before the next alternative, which may be empty
    }
}

std::size_t WildcardPattern::parseAlternative(std::string_view pattern, std::size_t i) {
    Alternative alt{tokens_.size(), 0, false};
    if (i < pattern.size() && pattern[i] == '~') {
        alt.negated = true;
        ++i;
    }
    while (i < pattern.size() && pattern[i] != ',') {
        const auto c = static_cast<unsigned char>(pattern[i]);
        Kind kind = Kind::Literal;
        switch (c) {
            case '#': kind = Kind::Digit; break;
            case '@': kind = Kind::Letter; break;
            case '.': kind = Kind::Other; break;
            case '?': kind = Kind::Any; break;
            case '*': kind = Kind::Star; break;
            case '[': {
                const std::size_t next = parseSet(pattern, i);
                if (next != i) {
                    i = next;
                    continue;
                }
                break;  // no closing bracket: a plain '['
            }
            case '`':
                if (i + 1 < pattern.size()) {
                    tokens_.push_back({Kind::Literal, static_cast<unsigned char>(pattern[i + 1]), 0});
                    i += 2;
                    continue;
                }
                break;
            default:
                break;
        }
        ++i;
        // Runs of stars mean no more than one.
        if (kind == Kind::Star && tokens_.size() > alt.begin && tokens_.back().kind == Kind::Star) continue;
        tokens_.push_back({kind, c, 0});
    }
    alt.end = tokens_.size();
    alternatives_.push_back(alt);
    return i;
}

// Parses the set that opens at pattern[i]; returns the index after it, or
// i when the set is not closed. A ']' first in the set is a member.
std::size_t WildcardPattern::parseSet(std::string_view pattern, std::size_t i) {
    std::size_t j = i + 1;
    bool negated = false;
    if (j < pattern.size() && pattern[j] == '~') {
        negated = true;
        ++j;
    }
    std::bitset<256> members;
    const auto take = [&](std::size_t& k) {
        if (pattern[k] == '`' && k + 1 < pattern.size()) ++k;
        return static_cast<unsigned char>(pattern[k++]);
    };
    bool first = true;
    while (j < pattern.size()) {
        if (pattern[j] == ']' && !first) {
            if (negated) members.flip();
            sets_.push_back(members);
            tokens_.push_back({Kind::Set, 0, static_cast<std::uint32_t>(sets_.size() - 1)});
            return j + 1;
        }
        first = false;
        const unsigned char low = take(j);
        if (j + 1 < pattern.size() && pattern[j] == '-' && pattern[j + 1] != ']') {
            ++j;
            const unsigned char high = take(j);
            for (unsigned c = low; c <= high; ++c) members.set(c);
            continue;
        }
        members.set(low);
    }
    return i;
}

bool WildcardPattern::tokenMatches(const Token& token, unsigned char c) const {
    switch (token.kind) {
        case Kind::Literal: return c == token.ch;
        case Kind::Digit: return isWildcardDigit(c);
        case Kind::Letter: return isWildcardLetter(c);
        case Kind::Other: return !isWildcardDigit(c) && !isWildcardLetter(c);
        case Kind::Any: return true;
        case Kind::Set: return sets_[token.set].test(c);
        case Kind::Star: return false;
    }
    return false;
}

// Greedy star walk: on a mismatch only the last star takes one more
// character; earlier stars never need to, so there is no backtracking tree.
bool WildcardPattern::alternativeMatches(const Alternative& alt, std::string_view text) const {
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t p = alt.begin;
    std::size_t t = 0;
    std::size_t starToken = kNone;
    std::size_t starText = 0;
    while (t < text.size()) {
        if (p < alt.end && tokens_[p].kind == Kind::Star) {
            starToken = p++;
            starText = t;
            continue;
        }
        if (p < alt.end && tokenMatches(tokens_[p], static_cast<unsigned char>(text[t]))) {
            ++p;
            ++t;
            continue;
        }
        if (starToken == kNone) return false;
        p = starToken + 1;
        t = ++starText;
    }
    while (p < alt.end && tokens_[p].kind == Kind::Star) ++p;
    return p == alt.end;
}

bool WildcardPattern::matches(std::string_view text) const {
    for (const auto& alt : alternatives_) {
        if (alternativeMatches(alt, text) != alt.negated) return true;
    }
    return false;
}

}  // namespace zcad::geom
