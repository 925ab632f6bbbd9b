#include "mtext_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "glyphs.h"
#include "text_codes.h"
#include "zcad/text.h"

namespace zcad::render {

namespace {

// What inline codes change, character by character.
struct Style {
    double height = 1;
    double widthFactor = 1;
    double oblique = 0;
    double tracking = 1;
    std::int32_t colour = kOwnColour;
    bool underline = false;
    bool overline = false;
    bool strike = false;
    bool operator==(const Style&) const = default;
};

enum class Align { Left, Centre, Right, Justify };

// Paragraph codes (\p): indents in initial text heights, tab stops too.
struct ParagraphLook {
    double first = 0;  // of the first line, from `left`
    double left = 0;
    double right = 0;
    std::optional<Align> align;  // else the attachment's
    std::vector<double> tabs;
};

struct Atom {
    char32_t c = 0;
    std::uint32_t style = 0;
};

struct Paragraph {
    std::vector<Atom> atoms;
    ParagraphLook look;
    double height = 1;       // of the style in force at its end, for an empty one
    bool newColumn = false;  // after \N
};

constexpr double kDegree = 3.14159265358979323846 / 180;
// Italic fonts lean this far.
constexpr double kItalic = 15 * kDegree;
// Baseline to baseline, in text heights, at a line spacing of 1.
constexpr double kLinePitch = 5.0 / 3.0;
// Default tab stops, in initial text heights.
constexpr double kTabEvery = 4;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool isSpace(char32_t c) { return c == ' '; }
bool isTab(char32_t c) { return c == '\t'; }

// A number at the start of `text`; false when there is none or it is not finite.
bool numberAt(std::string_view text, double& value, std::size_t& used) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        ++used;
    }
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || !std::isfinite(value)) return false;
    used += static_cast<std::size_t>(end - text.data());
    return true;
}

// "\H2.5;" sets, "\H1.4x;" multiplies.
void setOrScale(std::string_view argument, double& value, double least, double most) {
    double v = 0;
    std::size_t used = 0;
    if (!numberAt(argument, v, used)) return;
    const bool relative = used < argument.size() && (argument[used] == 'x' || argument[used] == 'X');
    const double result = relative ? value * v : v;
    if (result >= least && result <= most) value = result;
}

class Parser {
public:
    Parser(std::string_view text, double height) : text_(text) {
        style_.height = height;
        paragraphs_.emplace_back();
    }

    std::vector<Paragraph> run() {
        while (i_ < text_.size()) step();
        paragraphs_.back().height = style_.height;
        return std::move(paragraphs_);
    }

    std::vector<Style> styles;

private:
    void step() {
        const char c = text_[i_];
        switch (c) {
        case '{':
            stack_.push_back(style_);
            ++i_;
            return;
        case '}':
            if (!stack_.empty()) {
                style_ = stack_.back();
                stack_.pop_back();
            }
            ++i_;
            return;
        case '\n':
            ++i_;
            return newParagraph(false);
        case '\r':
            ++i_;
            return;
        case '%':
            if (percentCode()) return;
            break;
        case '\\':
            return code();
        default:
            break;
        }
        put(cp1252::unicodeOf(static_cast<unsigned char>(c)));
        ++i_;
    }

    // %%d, %%p, %%c and %%% as in single-line text.
    bool percentCode() {
        if (text_.compare(i_, 2, "%%") != 0 || i_ + 2 >= text_.size()) return false;
        char32_t c = 0;
        switch (upperChar(text_[i_ + 2])) {
        case 'D':
            c = U'\u00B0';
            break;
        case 'P':
            c = U'\u00B1';
            break;
        case 'C':
            c = U'\u2300';
            break;
        case '%':
            c = '%';
            break;
        default:
            return false;
        }
        put(c);
        i_ += 3;
        return true;
    }

    void code() {
        char32_t c = 0;
        if (const std::size_t length = unicodeEscape(text_, i_, c)) {
            put(c);
            i_ += length;
            return;
        }
        if (i_ + 1 >= text_.size()) {
            put('\\');
            ++i_;
            return;
        }
        const char code = text_[i_ + 1];
        i_ += 2;
        switch (code) {
        case 'P':
        case 'X':
            return newParagraph(false);
        case 'N':
            return newParagraph(true);
        case '~':
            return put(U'\u00A0');
        case '\\':
        case '{':
        case '}':
            return put(static_cast<unsigned char>(code));
        case 'L':
        case 'l':
            style_.underline = code == 'L';
            return;
        case 'O':
        case 'o':
            style_.overline = code == 'O';
            return;
        case 'K':
        case 'k':
            style_.strike = code == 'K';
            return;
        case 'A':
            argument();
            return;
        case 'C':
            return indexColour(argument());
        case 'c':
            return trueColour(argument());
        case 'H':
            return setOrScale(argument(), style_.height, 1e-9, 1e9);
        case 'W':
            return setOrScale(argument(), style_.widthFactor, 0.01, 100);
        case 'T':
            return setOrScale(argument(), style_.tracking, 0.75, 4);
        case 'Q':
            return oblique(argument());
        case 'f':
        case 'F':
            return font(argument());
        case 'p':
            return paragraphCodes(argument());
        case 'S':
            return stack(argument());
        default:
            // Not a code: shown as written, as a path like C:\work is.
            put('\\');
            put(cp1252::unicodeOf(static_cast<unsigned char>(code)));
            return;
        }
    }

    std::string_view argument() {
        const std::size_t end = std::min(text_.find(';', i_), text_.size());
        const std::string_view value = text_.substr(i_, end - i_);
        i_ = std::min(end + 1, text_.size());
        return value;
    }

    void indexColour(std::string_view argument) {
        double v = 0;
        std::size_t used = 0;
        if (numberAt(argument, v, used) && v >= 0 && v <= 256) style_.colour = static_cast<std::int32_t>(v);
    }

    // The colour's value holds blue in its high byte and red in its low.
    void trueColour(std::string_view argument) {
        double v = 0;
        std::size_t used = 0;
        if (!numberAt(argument, v, used) || v < 0 || v > 0xFFFFFF) return;
        const auto bgr = static_cast<std::int32_t>(v);
        style_.colour = kTrueColour | (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
    }

    void oblique(std::string_view argument) {
        double v = 0;
        std::size_t used = 0;
        if (numberAt(argument, v, used) && std::fabs(v) <= 85) style_.oblique = v * kDegree;
    }

    // "\fArial|b1|i1|c0|p34;": only the lean of italics shows in a stroke font.
    void font(std::string_view argument) {
        if (argument.find("|i1") != std::string_view::npos) style_.oblique = kItalic;
        else if (argument.find("|i0") != std::string_view::npos && style_.oblique == kItalic) style_.oblique = 0;
    }

    // "\pxi-3,l4,t4,8;": indents, alignment, tab stops; "*" puts one back.
    void paragraphCodes(std::string_view argument) {
        ParagraphLook& look = paragraphs_.back().look;
        bool tabs = false;
        std::size_t j = 0;
        while (j < argument.size()) {
            const char key = argument[j];
            double v = 0;
            std::size_t used = 0;
            if ((key == '-' || key == '.' || (key >= '0' && key <= '9')) && numberAt(argument.substr(j), v, used)) {
                if (tabs && v > 0) look.tabs.push_back(v);
                j += used;
                continue;
            }
            ++j;
            if (key != ',') tabs = false;
            const bool reset = j < argument.size() && argument[j] == '*';
            if (key == 'q' && j < argument.size()) {
                switch (argument[j]) {
                case 'l':
                    look.align = Align::Left;
                    break;
                case 'r':
                    look.align = Align::Right;
                    break;
                case 'c':
                    look.align = Align::Centre;
                    break;
                case 'j':
                case 'd':
                    look.align = Align::Justify;
                    break;
                default:
                    look.align.reset();
                    break;
                }
                ++j;
                continue;
            }
            if (key == 't') {
                look.tabs.clear();
                tabs = !reset;
                j += reset ? 1 : 0;
                continue;
            }
            double* target = key == 'i' ? &look.first : key == 'l' ? &look.left : key == 'r' ? &look.right : nullptr;
            if (!target && key != 'b' && key != 'a' && key != 's') continue;
            if (reset) {
                if (target) *target = 0;
                ++j;
                continue;
            }
            if (numberAt(argument.substr(j), v, used)) {
                if (target && std::fabs(v) < 1e6) *target = v;
                j += used;
            }
        }
    }

    // "\S1/2;", "\S1#2;", "\S+0.1^-0.1;": drawn as a plain fraction.
    void stack(std::string_view argument) {
        const std::size_t split = argument.find_first_of("/#^");
        const std::string_view over = trimmed(argument.substr(0, split));
        const std::string_view under = split == std::string_view::npos ? std::string_view() : trimmed(argument.substr(split + 1));
        putPlain(over);
        if (!over.empty() && !under.empty()) put('/');
        putPlain(under);
    }

    void putPlain(std::string_view part) {
        for (std::size_t k = 0; k < part.size();) {
            char32_t c = 0;
            if (const std::size_t length = unicodeEscape(part, k, c)) {
                put(c);
                k += length;
                continue;
            }
            if (part[k] != '\\') put(cp1252::unicodeOf(static_cast<unsigned char>(part[k])));
            ++k;
        }
    }

    void newParagraph(bool newColumn) {
        paragraphs_.back().height = style_.height;
        const ParagraphLook look = paragraphs_.back().look;
        paragraphs_.emplace_back();
        paragraphs_.back().look = look;
        paragraphs_.back().newColumn = newColumn;
    }

    void put(char32_t c) {
        if (styles.empty() || !(styles.back() == style_)) styles.push_back(style_);
        paragraphs_.back().atoms.push_back({c, static_cast<std::uint32_t>(styles.size() - 1)});
    }

    std::string_view text_;
    std::size_t i_ = 0;
    Style style_;
    std::vector<Style> stack_;
    std::vector<Paragraph> paragraphs_;
};

// A character on a line: the pen's place from the line's start.
struct Placed {
    char32_t c = 0;
    double x = 0;
    double advance = 0;
    std::uint32_t style = 0;
};

struct Line {
    std::size_t first = 0;  // its characters among the placed ones
    std::size_t count = 0;
    double width = 0;       // to the end of its last character that is not a space
    double height = 0;
    double indent = 0;      // from the column's left edge
    double room = 0;        // the width it was set in; 0 when there is no limit
    const Paragraph* paragraph = nullptr;
    bool last = false;      // of its paragraph
    bool continued = false; // a paragraph's line after the first
    bool newColumn = false;
    std::size_t column = 0;
    double baseline = 0;
};

class Setter {
public:
    Setter(const MTextFormat& format, const std::vector<Style>& styles) : format_(format), styles_(styles) {}

    void set(const std::vector<Paragraph>& paragraphs) {
        for (const Paragraph& p : paragraphs) setParagraph(p);
        stackLines();
    }

    MTextLayout place() const;
    std::vector<std::string> texts() const;

private:
    double wrapWidth() const {
        if (format_.columnType != 0 && format_.columnWidth > 0) return format_.columnWidth;
        return format_.width > 0 ? format_.width : 0.0;
    }

    double advanceOf(const Atom& a) const {
        const Style& s = styles_[a.style];
        return glyphAdvance(a.c, Pitch::Proportional) * s.height * s.widthFactor * s.tracking;
    }

    void startLine(const Paragraph& p, bool first) {
        const double h = format_.height;
        Line line;
        line.first = placed_.size();
        line.paragraph = &p;
        line.indent = ((first ? p.look.first : 0) + p.look.left) * h;
        line.newColumn = first && p.newColumn;
        line.continued = !first;
        const double wrap = wrapWidth();
        line.room = wrap > 0 ? std::max(0.0, wrap - line.indent - p.look.right * h) : 0.0;
        lines_.push_back(line);
        x_ = 0;
    }

    void endLine(double fallbackHeight) {
        Line& line = lines_.back();
        line.count = placed_.size() - line.first;
        // The spaces it was broken at take no room.
        while (line.count > 0 && isSpace(placed_[line.first + line.count - 1].c)) --line.count;
        placed_.resize(line.first + line.count);
        line.width = line.count > 0 ? placed_.back().x + placed_.back().advance : 0.0;
        line.height = 0;
        for (std::size_t k = line.first; k < line.first + line.count; ++k) {
            line.height = std::max(line.height, styles_[placed_[k].style].height);
        }
        if (line.height == 0) line.height = fallbackHeight;
    }

    double nextTab(const Paragraph& p, double x) const {
        const double h = format_.height;
        const double at = lines_.back().indent + x;
        for (const double stop : p.look.tabs) {
            if (stop * h > at + 1e-9) return stop * h - lines_.back().indent;
        }
        const double every = kTabEvery * h;
        return (std::floor(at / every + 1e-9) + 1) * every - lines_.back().indent;
    }

    void setParagraph(const Paragraph& p) {
        startLine(p, true);
        const std::vector<Atom>& atoms = p.atoms;
        std::size_t k = 0;
        while (k < atoms.size()) {
            if (isTab(atoms[k].c)) {
                x_ = nextTab(p, x_);
                ++k;
                continue;
            }
            if (isSpace(atoms[k].c)) {
                // A line that was broken does not start with the spaces it was broken at.
                if (!(lines_.back().continued && placed_.size() == lines_.back().first)) place(atoms[k]);
                ++k;
                continue;
            }
            std::size_t end = k;
            double width = 0;
            while (end < atoms.size() && !isSpace(atoms[end].c) && !isTab(atoms[end].c)) width += advanceOf(atoms[end++]);
            const Line& line = lines_.back();
            const bool empty = placed_.size() == line.first;
            if (!empty && line.room > 0 && x_ + width > line.room + 1e-9) {
                endLine(p.height);
                startLine(p, false);
            }
            for (; k < end; ++k) place(atoms[k]);
        }
        endLine(p.height);
        lines_.back().last = true;
    }

    void place(const Atom& a) {
        const double advance = advanceOf(a);
        placed_.push_back({a.c, x_, advance, a.style});
        x_ += advance;
    }

    // Baselines, and columns as far as their heights allow.
    void stackLines() {
        const bool columns = format_.columnType != 0;
        const std::size_t most = columns ? std::max<std::size_t>({1, static_cast<std::size_t>(std::max(format_.columnCount, 0)),
                                                                   format_.columnHeights.size()})
                                         : 1;
        std::size_t column = 0;
        double baseline = 0;
        bool fresh = true;
        for (Line& line : lines_) {
            const double pitch = kLinePitch * format_.lineSpacing * (format_.exactSpacing ? format_.height : line.height);
            double next = fresh ? -line.height : baseline - pitch;
            const double limit = columnHeight(column);
            const bool full = !fresh && limit > 0 && -next > limit + 1e-9;
            if ((line.newColumn || full) && column + 1 < most && !fresh) {
                ++column;
                next = -line.height;
            }
            line.column = column;
            line.baseline = baseline = next;
            fresh = false;
            depth_ = std::max(depth_, -next);
        }
        columnsUsed_ = column + 1;
    }

    double columnHeight(std::size_t column) const {
        if (format_.columnType == 0) return 0;
        if (column < format_.columnHeights.size() && format_.columnHeights[column] > 0) return format_.columnHeights[column];
        return format_.columnHeight;
    }

    double boxWidth() const {
        if (format_.columnType != 0 && format_.columnWidth > 0) {
            const auto n = static_cast<double>(columnsUsed_);
            return n * format_.columnWidth + (n - 1) * format_.gutter;
        }
        if (format_.width > 0) return format_.width;
        double widest = 0;
        for (const Line& line : lines_) widest = std::max(widest, line.indent + line.width);
        return widest;
    }

    const MTextFormat& format_;
    const std::vector<Style>& styles_;
    std::vector<Placed> placed_;
    std::vector<Line> lines_;
    double x_ = 0;
    double depth_ = 0;
    std::size_t columnsUsed_ = 1;
};

MTextLayout Setter::place() const {
    MTextLayout out;
    const int attachment = std::clamp(format_.attachment, 1, 9);
    const double across = boxWidth();
    const double left = -((attachment - 1) % 3) * 0.5 * across;
    const double lift = ((attachment - 1) / 3) * 0.5 * depth_;
    const Align own = (attachment - 1) % 3 == 0 ? Align::Left : (attachment - 1) % 3 == 1 ? Align::Centre : Align::Right;
    const double columnStep = format_.columnWidth + format_.gutter;
    for (const Line& line : lines_) {
        const double room = line.room > 0 ? line.room : std::max(0.0, across - line.indent);
        const double free = std::max(0.0, room - line.width);
        const Align align = line.paragraph->look.align.value_or(own);
        double shift = align == Align::Centre ? free / 2 : align == Align::Right ? free : 0.0;
        // Justified lines share what is free among their spaces, all but a paragraph's last.
        std::size_t spaces = 0;
        for (std::size_t k = line.first; k < line.first + line.count; ++k) spaces += isSpace(placed_[k].c) ? 1 : 0;
        const double stretch = align == Align::Justify && !line.last && spaces > 0 ? free / static_cast<double>(spaces) : 0.0;
        if (align == Align::Justify) shift = 0;
        const double x0 = left + static_cast<double>(line.column) * columnStep + line.indent + shift;
        const double y = line.baseline + lift;
        double extra = 0;
        // The rule each decoration is drawing on this line, if any.
        std::size_t open[3] = {kNone, kNone, kNone};
        for (std::size_t k = line.first; k < line.first + line.count; ++k) {
            const Placed& p = placed_[k];
            const Style& s = styles_[p.style];
            const double x = x0 + p.x + extra;
            const double width = p.advance + (isSpace(p.c) ? stretch : 0.0);
            if (isSpace(p.c)) extra += stretch;
            if (!isSpace(p.c) && p.c != U'\u00A0') out.glyphs.push_back({p.c, x, y, s.height, s.widthFactor, s.oblique, s.colour});
            const bool on[3] = {s.underline, s.overline, s.strike};
            const double at[3] = {y - 0.2 * s.height, y + 1.2 * s.height, y + 0.5 * s.height};
            for (int d = 0; d < 3; ++d) {
                if (!on[d]) {
                    open[d] = kNone;
                    continue;
                }
                if (open[d] != kNone && out.rules[open[d]].colour == s.colour && out.rules[open[d]].y == at[d]) {
                    out.rules[open[d]].x1 = x + width;
                    continue;
                }
                open[d] = out.rules.size();
                out.rules.push_back({x, x + width, at[d], 0, s.colour});
            }
        }
        if (line.count > 0) out.lines.push_back({x0, x0 + line.width + extra, y, line.height, kOwnColour});
    }
    return out;
}

std::vector<std::string> Setter::texts() const {
    std::vector<std::string> out;
    for (const Line& line : lines_) {
        std::string text;
        for (std::size_t k = line.first; k < line.first + line.count; ++k) utf8::append(text, placed_[k].c);
        out.push_back(std::move(text));
    }
    return out;
}

}  // namespace

MTextLayout layoutMText(std::string_view content, const MTextFormat& format) {
    Parser parser(content, format.height);
    const std::vector<Paragraph> paragraphs = parser.run();
    Setter setter(format, parser.styles);
    setter.set(paragraphs);
    return setter.place();
}

std::vector<std::string> mtextLines(std::string_view content, const MTextFormat& format) {
    Parser parser(content, format.height);
    const std::vector<Paragraph> paragraphs = parser.run();
    Setter setter(format, parser.styles);
    setter.set(paragraphs);
    return setter.texts();
}

}  // namespace zcad::render
