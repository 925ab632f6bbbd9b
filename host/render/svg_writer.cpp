#include "svg_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "clip.h"
#include "text_codes.h"
#include "zcad/text.h"

namespace zcad::render {

namespace {

// Written in pieces of about this size.
constexpr std::size_t kChunk = 1 << 20;
// A path of one pen is cut after this many pieces, so that no element
// grows without end.
constexpr std::size_t kLongestPath = 4096;

const char kHex[] = "0123456789abcdef";

std::string hexColour(const Rgb& c) {
    std::string s = "#";
    for (const std::uint8_t v : {c.r, c.g, c.b}) {
        s += kHex[v >> 4];
        s += kHex[v & 15];
    }
    return s;
}

// Most common first; their order is the page's too, so only ever appended to.
constexpr std::string_view kTypeCodes[] = {
    "LINE", "LWPOLYLINE", "POLYLINE", "ARC", "CIRCLE", "TEXT", "MTEXT", "INSERT", "POINT", "3DFACE", "SOLID",
    "HATCH", "SPLINE", "ELLIPSE", "DIMENSION", "LEADER", "MULTILEADER", "TRACE", "MLINE", "XLINE", "RAY",
    "ATTDEF", "IMAGE", "WIPEOUT", "MESH", "ACAD_PROXY_ENTITY"};
static_assert(std::size(kTypeCodes) <= 26);

}  // namespace

std::span<const std::string_view> entityTypeCodes() { return kTypeCodes; }

void LayerTally::add(std::string_view layer, std::size_t count) {
    if (const auto known = counts_.find(layer); known != counts_.end()) known->second += count;
    else counts_.emplace(std::string(layer), count);
}

SvgWriter::SvgWriter(std::FILE* out, const View& view, const SvgLook& look, char classLetter)
    : Sink(view), out_(out), look_(look), letter_(classLetter) {
    buffer_.reserve(kChunk + 4096);
    pad_ = look.thin * 4 + 2;
    units_ = look.unitsPerPoint > 0 ? look.unitsPerPoint : 10;
}

long SvgWriter::units(double v) const { return std::lround(v * units_); }

void SvgWriter::begin() {
    if (look_.inPage) {
        text("<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"drawing\" preserveAspectRatio=\"xMidYMid meet\"");
    } else {
        text("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"");
        number(look_.width);
        text("pt\" height=\"");
        number(look_.height);
        text("pt\"");
    }
    text(" viewBox=\"0 0 ");
    number(look_.width * units_);
    text(" ");
    number(look_.height * units_);
    text("\">\n<rect width=\"100%\" height=\"100%\" fill=\"");
    text(hexColour(look_.ground));
    text("\"/>\n<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n");
    flush();
}

void SvgWriter::finish() {
    closePath();
    closeGroup();
    flush();
}

void SvgWriter::countRun() {
    if (run_ > 0) tally_.add(layer_, run_);
    run_ = 0;
}

void SvgWriter::end() {
    finish();
    text("</g>\n</svg>\n");
    flush();
}

void SvgWriter::flush() {
    if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), out_) != buffer_.size()) good_ = false;
    buffer_.clear();
}

void SvgWriter::text(std::string_view s) {
    buffer_.append(s);
    if (buffer_.size() >= kChunk) flush();
}

void SvgWriter::number(double value) {
    char digits[32];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    if (ec == std::errc()) buffer_.append(digits, end);
}

// Layer names as UTF-8 in an attribute.
void SvgWriter::escaped(std::string_view hostText) {
    forEachXmlChar(hostText, [this](char32_t c) {
        switch (c) {
        case '&':
            buffer_ += "&amp;";
            break;
        case '<':
            buffer_ += "&lt;";
            break;
        case '>':
            buffer_ += "&gt;";
            break;
        case '"':
            buffer_ += "&quot;";
            break;
        default:
            utf8::append(buffer_, c);
        }
    });
}

const std::string& SvgWriter::styleClass(bool fill) {
    const std::string*& known = fill ? fillClass_ : strokeClass_;
    if (known) return *known;
    std::string key(fill ? "f" : "s");
    key += hexColour(colour_);
    const bool hairline = look_.screenHairlines && width_ <= 0;
    if (!fill) {
        key += ' ';
        char digits[32];
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, std::max(look_.thin, width_) * units_);
        if (hairline) key += "1;vector-effect:non-scaling-stroke";
        else key.append(digits, ec == std::errc() ? end : digits);
    }
    auto [it, fresh] = classes_.try_emplace(key);
    known = &it->second;
    if (!fresh) return it->second;
    it->second = letter_;
    it->second += std::to_string(classes_.size() - 1);
    text("<style>.");
    text(it->second);
    if (fill) {
        text("{fill:");
        text(hexColour(colour_));
        text(";stroke:none}");
    } else {
        text("{stroke:");
        text(hexColour(colour_));
        text(";stroke-width:");
        text(key.substr(key.find(' ') + 1));
        text("}");
    }
    text("</style>\n");
    return it->second;
}

void SvgWriter::closePath() {
    if (open_ == Open::None) return;
    text("\"/>\n");
    open_ = Open::None;
    commands_ = 0;
    atEnd_ = false;
}

void SvgWriter::closeGroup() {
    countRun();
    if (!inGroup_) return;
    text(look_.handles ? "</g></g>\n" : "</g>\n");
    inGroup_ = false;
}

void SvgWriter::entity(const EntityTag& tag) {
    const bool sameLayer = inGroup_ && tag.layer == layer_;
    if (look_.ids) closePath();
    if (sameLayer) ++run_;
    if (sameLayer && !look_.handles) {
        if (look_.ids) entityId(tag, pendingId_);
        return;
    }
    closePath();
    if (sameLayer) {
        text("</g>");
    } else {
        closeGroup();
        layer_.assign(tag.layer);
        text("<g data-layer=\"");
        escaped(tag.layer);
        text("\">");
        inGroup_ = true;
        run_ = 1;
    }
    if (look_.ids) entityId(tag, pendingId_);
    if (look_.handles) {
        text("<g data-type=\"");
        escaped(tag.type);
        text("\" data-handle=\"");
        char digits[20];
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, tag.handle, 16);
        buffer_.append(digits, end);
        text("\">");
    }
    text("\n");
}

void SvgWriter::pen(const Rgb& colour, double width) {
    if (colour == colour_ && width == width_) return;
    closePath();
    colour_ = colour;
    width_ = width;
    strokeClass_ = nullptr;
    fillClass_ = nullptr;
}

void SvgWriter::startElement(const std::string& style) {
    text("<path class=\"");
    text(style);
    if (!pendingId_.empty()) {
        text("\" id=\"");
        text(pendingId_);
        pendingId_.clear();
    }
}

void SvgWriter::entityId(const EntityTag& tag, std::string& id) const {
    id.clear();
    const auto known = std::find(std::begin(kTypeCodes), std::end(kTypeCodes), tag.type);
    if (known != std::end(kTypeCodes)) {
        id += static_cast<char>('a' + (known - std::begin(kTypeCodes)));
    } else {
        // Types are names of letters, digits and underscores; anything else is left out.
        for (const char c : tag.type) {
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_') id += c;
        }
        id += '.';
    }
    char digits[20];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, tag.handle, 16);
    for (const char* c = digits; c != end; ++c) id += static_cast<char>(*c >= 'a' ? *c - 'a' + 'A' : *c);
}

void SvgWriter::integer(long value) {
    char digits[24];
    buffer_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void SvgWriter::segment(const P2& from, const P2& to) {
    P2 a = from;
    P2 b = to;
    const double pad = pad_ + width_;
    if (!clipSegment(a, b, -pad, -pad, look_.width + pad, look_.height + pad)) return;
    const long ax = units(a.x);
    const long ay = units(a.y);
    const long bx = units(b.x);
    const long by = units(b.y);
    if (open_ != Open::Stroke || commands_ >= kLongestPath) {
        closePath();
        startElement(styleClass(false));
        text("\" d=\"");
        open_ = Open::Stroke;
    }
    // A piece that carries on from the last needs no move.
    if (!atEnd_ || ax != endX_ || ay != endY_) {
        buffer_ += 'M';
        integer(ax);
        buffer_ += ' ';
        integer(ay);
    }
    buffer_ += 'l';
    integer(bx - ax);
    buffer_ += ' ';
    integer(by - ay);
    if (buffer_.size() >= kChunk) flush();
    ++commands_;
    atEnd_ = true;
    endX_ = bx;
    endY_ = by;
}

void SvgWriter::area(std::span<const P2> points, std::span<const std::uint32_t> ends, FillRule rule) {
    bool started = false;
    eachClippedContour(points, ends, -pad_, look_.width + pad_, look_.height + pad_, [&](const std::vector<P2>& corners) {
        if (!started) {
            closePath();
            startElement(styleClass(true));
            text(rule == FillRule::EvenOdd ? "\" fill-rule=\"evenodd\" d=\"" : "\" d=\"");
            started = true;
        }
        long x = units(corners[0].x);
        long y = units(corners[0].y);
        buffer_ += 'M';
        integer(x);
        buffer_ += ' ';
        integer(y);
        for (std::size_t i = 1; i < corners.size(); ++i) {
            const long nx = units(corners[i].x);
            const long ny = units(corners[i].y);
            buffer_ += 'l';
            integer(nx - x);
            buffer_ += ' ';
            integer(ny - y);
            x = nx;
            y = ny;
        }
        buffer_ += 'z';
    });
    if (started) text("\"/>\n");
}

// A piece of no length, which its round caps show as a dot.
void SvgWriter::dot(const P2& at) {
    if (!finite(at) || at.x < -pad_ || at.y < -pad_ || at.x > look_.width + pad_ || at.y > look_.height + pad_) return;
    atEnd_ = false;
    segment(at, at);
    atEnd_ = false;
}

}  // namespace zcad::render
