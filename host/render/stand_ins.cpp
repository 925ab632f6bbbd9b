#include "stand_ins.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "shapes/geometry.h"
#include "zcad/text.h"

namespace zcad::render {

using shapes::V3;

namespace {

// Modeller text of release 7 and later starts each record with an
// attribute, a history number and a subtype reference.
constexpr int kLeadingFields = 700;

void grow(V3& low, V3& high, const V3& p) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
}

bool number(std::string_view token, double& value) {
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    return ec == std::errc() && end == token.data() + token.size() && std::isfinite(value);
}

// The text's records, each as its blank-separated words.
std::vector<std::vector<std::string_view>> records(std::string_view text) {
    std::vector<std::vector<std::string_view>> out(1);
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i])) ++i;
        if (i >= text.size()) break;
        if (text[i] == '#') {
            out.emplace_back();
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && !isBlank(text[i]) && text[i] != '#') ++i;
        out.back().push_back(text.substr(start, i - start));
    }
    return out;
}

}  // namespace

bool modellerBox(const shapes::EntityRecord& e, V3& low, V3& high) {
    std::string text;
    for (const Group& g : e.groups()) {
        if (g.code != 1 && g.code != 3) continue;
        text.append(g.text);
        text += g.code == 1 ? '\n' : ' ';
    }
    if (text.empty()) return false;
    // The cipher turns each printable character c into 159 - c.
    if (text.find("point") == std::string::npos) {
        for (char& c : text) {
            const auto u = static_cast<unsigned char>(c);
            if (u > 32 && u < 127) c = static_cast<char>(159 - u);
        }
    }
    const auto all = records(text);
    if (all.empty() || all.front().empty()) return false;
    double version = 0;
    number(all.front().front(), version);
    const std::size_t leading = version >= kLeadingFields ? 3 : 1;
    low = {1e300, 1e300, 1e300};
    high = {-1e300, -1e300, -1e300};
    bool found = false;
    for (const auto& r : all) {
        if (r.empty()) continue;
        if (r.front() == "point" && r.size() >= 4) {
            V3 p;
            if (number(r[r.size() - 3], p.x) && number(r[r.size() - 2], p.y) && number(r[r.size() - 1], p.z)) {
                grow(low, high, p);
                found = true;
            }
        }
        // A circle or ellipse: its centre, its normal and its major axis.
        if (r.front() == "ellipse-curve" && r.size() >= 1 + leading + 9) {
            double v[9];
            bool ok = true;
            for (int k = 0; k < 9; ++k) ok = ok && number(r[1 + leading + static_cast<std::size_t>(k)], v[k]);
            if (!ok) continue;
            const double radius = std::sqrt(v[6] * v[6] + v[7] * v[7] + v[8] * v[8]);
            grow(low, high, {v[0] - radius, v[1] - radius, v[2] - radius});
            grow(low, high, {v[0] + radius, v[1] + radius, v[2] + radius});
            found = true;
        }
    }
    return found;
}

namespace {

// Proxy graphics commands.
constexpr std::int32_t kExtents = 1;
constexpr std::int32_t kCircle = 2;
constexpr std::int32_t kArc = 4;
constexpr std::int32_t kPolyline = 6;
constexpr std::int32_t kPolygon = 7;
// More points than this in one command is a damaged file.
constexpr std::int32_t kMostPoints = 1 << 20;
constexpr int kChordsPerTurn = 64;

class Bytes {
public:
    explicit Bytes(std::string_view data) : data_(data) {}
    std::size_t left() const { return data_.size() - at_; }
    std::size_t at() const { return at_; }
    void seek(std::size_t at) { at_ = std::min(at, data_.size()); }
    bool int32(std::int32_t& v) { return raw(&v, 4); }
    bool real(double& v) { return raw(&v, 8) && std::isfinite(v); }
    bool point(V3& p) { return real(p.x) && real(p.y) && real(p.z); }

private:
    // Little-endian, as the files are and this machine is.
    bool raw(void* out, std::size_t size) {
        if (left() < size) return false;
        std::memcpy(out, data_.data() + at_, size);
        at_ += size;
        return true;
    }
    std::string_view data_;
    std::size_t at_ = 0;
};

std::string decodeHex(const shapes::EntityRecord& e) {
    std::string out;
    for (const Group& g : e.groups()) {
        if (g.code != 310) continue;
        for (std::size_t i = 0; i + 1 < g.text.size(); i += 2) {
            const int hi = hexDigitValue(g.text[i]);
            const int lo = hexDigitValue(g.text[i + 1]);
            if (hi < 0 || lo < 0) return out;
            out += static_cast<char>(hi * 16 + lo);
        }
    }
    return out;
}

// A point's orthonormal partner in the plane of `normal`.
V3 across(const V3& normal, const V3& start) { return shapes::unit(shapes::cross(normal, start)); }

// More than a turn either way is a whole circle.
void chords(const V3& centre, const V3& u, const V3& v, double sweep, std::vector<V3>& out) {
    sweep = std::clamp(sweep, -shapes::kTwoPi, shapes::kTwoPi);
    const int count = std::max(2, static_cast<int>(std::ceil(std::fabs(sweep) / (shapes::kTwoPi) * kChordsPerTurn)));
    for (int k = 0; k <= count; ++k) {
        const double t = sweep * k / count;
        out.push_back(centre + std::cos(t) * u + std::sin(t) * v);
    }
}

}  // namespace

bool proxyGraphics(const shapes::EntityRecord& e, ProxyGraphics& out) {
    const std::string data = decodeHex(e);
    Bytes in(data);
    std::int32_t total = 0;
    std::int32_t count = 0;
    if (!in.int32(total) || !in.int32(count) || count < 0) return false;
    for (std::int32_t k = 0; k < count; ++k) {
        const std::size_t start = in.at();
        std::int32_t size = 0;
        std::int32_t type = 0;
        if (!in.int32(size) || !in.int32(type) || size < 8 || static_cast<std::size_t>(size) > in.left() + 8) break;
        if (type == kExtents) {
            out.hasExtents = in.point(out.low) && in.point(out.high);
        } else if (type == kPolyline || type == kPolygon) {
            std::int32_t points = 0;
            if (!in.int32(points) || points < 0 || points > kMostPoints) break;
            std::vector<V3> line;
            for (std::int32_t p = 0; p < points; ++p) {
                V3 v;
                if (!in.point(v)) break;
                line.push_back(v);
            }
            (type == kPolygon ? out.fills : out.lines).push_back(std::move(line));
        } else if (type == kCircle || type == kArc) {
            V3 centre;
            double radius = 0;
            V3 normal;
            if (!in.point(centre) || !in.real(radius) || !in.point(normal)) break;
            V3 from{1, 0, 0};
            double sweep = shapes::kTwoPi;
            if (type == kArc && !(in.point(from) && in.real(sweep))) break;
            normal = shapes::unit(normal);
            if (shapes::norm(normal) == 0) normal = {0, 0, 1};
            // The start direction, square to the normal.
            from = shapes::unit(from - shapes::dot(from, normal) * normal);
            if (shapes::norm(from) == 0) from = shapes::unit(across(normal, {0, 0, 1}));
            if (shapes::norm(from) == 0) from = {1, 0, 0};
            std::vector<V3> line;
            chords(centre, radius * from, radius * across(normal, from), sweep, line);
            out.lines.push_back(std::move(line));
        }
        in.seek(start + static_cast<std::size_t>(size));
    }
    return !out.empty();
}

}  // namespace zcad::render
