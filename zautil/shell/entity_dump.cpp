#include "shell/entity_dump.h"

#include <array>
#include <charconv>

#include "arx/adscodes.h"

namespace {

enum class Value { Text, Point, Real, Short, Long, Int64, Name, None };

// Host result types first, then the DXF group code ranges.
Value valueOf(int code) {
    switch (code) {
    case RTSTR:
    case RTDXF0: return Value::Text;
    case RTPOINT:
    case RT3DPOINT: return Value::Point;
    case RTREAL:
    case RTANG:
    case RTORINT: return Value::Real;
    case RTSHORT: return Value::Short;
    case RTLONG: return Value::Long;
    case RTINT64: return Value::Int64;
    case RTENAME:
    case RTPICKS:
    case -1:
    case -2: return Value::Name;
    default: break;
    }
    if (code < -5 || code >= 5000) return Value::None;
    if ((code >= 10 && code <= 18) || (code >= 110 && code <= 112) || code == 210) return Value::Point;
    if (code >= 1010 && code <= 1013) return Value::Point;
    if ((code >= 38 && code <= 59) || (code >= 140 && code <= 149) || (code >= 460 && code <= 469)) return Value::Real;
    if (code >= 1014 && code <= 1059) return Value::Real;
    if ((code >= 60 && code <= 79) || (code >= 170 && code <= 179) || (code >= 270 && code <= 299)) return Value::Short;
    if ((code >= 370 && code <= 389) || (code >= 400 && code <= 409) || (code >= 1060 && code <= 1070)) return Value::Short;
    if ((code >= 90 && code <= 99) || (code >= 420 && code <= 429) || (code >= 440 && code <= 459)) return Value::Long;
    if (code == 1071) return Value::Long;
    if (code >= 160 && code <= 169) return Value::Int64;
    if (code < 0) return Value::None;
    return Value::Text;
}

template <typename Number>
void append(std::string& out, Number n) {
    std::array<char, 32> digits;  // the longest shortest form of a double is 24
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    out.append(digits.data(), end);
}

void appendValue(std::string& out, const resbuf& rb) {
    switch (valueOf(rb.restype)) {
    case Value::Text:
        out += " . \"";
        out += rb.resval.rstring ? rb.resval.rstring : "";
        out += '"';
        return;
    case Value::Point:
        for (const double c : rb.resval.rpoint) {
            out += ' ';
            append(out, c);
        }
        return;
    case Value::Real: out += " . "; append(out, rb.resval.rreal); return;
    case Value::Short: out += " . "; append(out, rb.resval.rint); return;
    case Value::Long: out += " . "; append(out, rb.resval.rlong); return;
    case Value::Int64: out += " . "; append(out, rb.resval.mnInt64); return;
    case Value::Name:
        out += " . <";
        append(out, rb.resval.rlname[0]);
        out += '>';
        return;
    case Value::None: return;
    }
}

}  // namespace

std::string zaDumpList(const resbuf* list) {
    std::string out = "(";
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb != list) out += ' ';
        out += '(';
        append(out, static_cast<int>(rb->restype));
        appendValue(out, *rb);
        out += ')';
    }
    out += ')';
    return out;
}
