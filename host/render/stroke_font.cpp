#include "stroke_font.h"

#include <algorithm>

namespace zcad::render {

namespace {

constexpr std::string_view kBox = "1252581812";
constexpr std::string_view kRound = "185867635212030718";

// ASCII 32 to 126.
constexpr std::string_view kAscii[] = {
    "",                                                  // space
    "3834 32",                                           // !
    "2827 4847",                                         // "
    "2822 4842 1656 1454",                               // #
    "675818070615556463521203 3931",                     // $
    "6802 0818170708 5262635352",                        // %
    "6216172838474603123265",                            // &
    "3837",                                              // '
    "493826243241",                                      // (
    "293846443421",                                      // )
    "3834 1755 1557",                                    // *
    "3733 1555",                                         // +
    "3221",                                              // ,
    "1555",                                              // -
    "32",                                                // .
    "5812",                                              // /
    "185867635212030718 5713",                           // 0
    "173832 1252",                                       // 1
    "07185867660262",                                    // 2
    "07185867665525 556463521203",                       // 3
    "42480464",                                          // 4
    "680805556463521203",                                // 5
    "58180703125263645505",                              // 6
    "086822",                                            // 7
    "15060718586766551504031252636455",                  // 8
    "65150607185867635212",                              // 9
    "36 33",                                             // :
    "36 3321",                                           // ;
    "570553",                                            // <
    "1656 1454",                                         // =
    "176513",                                            // >
    "07185867663534 32",                                 // ?
    "4424264644 446467581807031252",                     // @
    "023862 1454",                                       // A
    "02085867665505 5564635202",                         // B
    "6758180703125263",                                  // C
    "02084866644202",                                    // D
    "68080262 0545",                                     // E
    "680802 0545",                                       // F
    "67581807031252636535",                              // G
    "0208 6862 0565",                                    // H
    "2848 3832 2242",                                    // I
    "6863521203",                                        // J
    "0208 6804 2562",                                    // K
    "080262",                                            // L
    "0208356862",                                        // M
    "02086268",                                          // N
    kRound,                                              // O
    "02085867665505",                                    // P
    "185867635212030718 4462",                           // Q
    "02085867665505 3562",                               // R
    "675818070615556463521203",                          // S
    "0868 3832",                                         // T
    "080312526368",                                      // U
    "083268",                                            // V
    "0812365268",                                        // W
    "0862 0268",                                         // X
    "083568 3532",                                       // Y
    "08680262",                                          // Z
    "49292141",                                          // [
    "1852",                                              // backslash
    "29494121",                                          // ]
    "163856",                                            // ^
    "0161",                                              // _
    "2837",                                              // `
    "16566562 641403125263",                             // a
    "0802 0516566563521203",                             // b
    "6556160503125263",                                  // c
    "6862 6556160503125263",                             // d
    "046465561605031252",                                // e
    "58483732 1656",                                     // f
    "66615010 6556160503125263",                         // g
    "0802 0516566562",                                   // h
    "3632 38",                                           // i
    "46413010 48",                                       // j
    "0802 5603 2452",                                    // k
    "28383342",                                          // l
    "0602 0516263532 3546566562",                        // m
    "0602 0516566562",                                   // n
    "165665635212030516",                                // o
    "0600 0516566563521203",                             // p
    "6660 6556160503125263",                             // q
    "0602 04265665",                                     // r
    "65561605145463521203",                              // s
    "28233252 0646",                                     // t
    "0603125263 6662",                                   // u
    "063266",                                            // v
    "0612355266",                                        // w
    "0662 0266",                                         // x
    "0632 6620",                                         // y
    "06660262",                                          // z
    "49383625343241",                                    // {
    "3931",                                              // |
    "29383645343221",                                    // }
    "051626455566",                                      // ~
};

// The letters U+00C0 to U+00FF are made from ('i' without its dot under
// an accent), and their accents: grave, acute, circumflex, tilde,
// diaeresis, ring, cedilla or none.
constexpr std::string_view kLatinBases = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYPsaaaaaaaceeeeiiiidnooooo+ouuuuypy";
constexpr std::string_view kLatinAccents = "gactdr.sgacdgacd.tgactd..gacda..gactdr.sgacdgacd.tgactd..gacda.d";
constexpr std::string_view kDotlessI = "3632";

// Over small letters (which reach y 6) and over capitals (which reach 8).
std::string_view accentStrokes(char kind, bool capital) {
    switch (kind) {
    case 'g':
        return capital ? "2939" : "2837";
    case 'a':
        return capital ? "3949" : "4837";
    case 'c':
        return capital ? "293949" : "273847";
    case 't':
        return capital ? "1949" : "17283748";
    case 'd':
        return capital ? "29 49" : "28 48";
    case 'r':
        return capital ? "39" : "3928374839";
    case 's':
        return "323120";
    default:
        return {};
    }
}

std::string_view asciiStrokes(char32_t c) { return kAscii[c - 32]; }

}  // namespace

bool strokeGlyph(char32_t c, StrokeGlyph& out) {
    out = {};
    if (c >= 32 && c <= 126) {
        out.strokes = asciiStrokes(c);
        return true;
    }
    switch (c) {
    case 0xA0:  // no-break space
        return true;
    case 0xB0:  // degree
        out.strokes = "28384736261728";
        return true;
    case 0xB1:  // plus-minus
        out.strokes = "3733 1555 1252";
        return true;
    case 0xD7:  // multiplication
        out.strokes = "1355 1553";
        return true;
    case 0xD8:  // O with stroke, and the diameter sign %%c stands for
    case 0x2300:
        out.strokes = "185867635212030718 6901";
        return true;
    default:
        break;
    }
    if (c < 0xC0 || c > 0xFF) return false;
    const std::size_t k = c - 0xC0;
    const char base = kLatinBases[k];
    const char accent = kLatinAccents[k];
    const bool capital = base >= 'A' && base <= 'Z';
    out.strokes = base == 'i' && accent != '.' ? kDotlessI : asciiStrokes(static_cast<unsigned char>(base));
    out.accent = accentStrokes(accent, capital);
    return true;
}

StrokeGlyph strokeBox() { return {kBox, {}}; }

bool strokeColumns(const StrokeGlyph& glyph, int& left, int& right) {
    left = 9;
    right = -1;
    for (const std::string_view part : {glyph.strokes, glyph.accent}) {
        for (std::size_t i = 0; i + 1 < part.size();) {
            if (part[i] == ' ') {
                ++i;
                continue;
            }
            const int x = part[i] - '0';
            left = std::min(left, x);
            right = std::max(right, x);
            i += 2;
        }
    }
    return right >= left;
}

}  // namespace zcad::render
