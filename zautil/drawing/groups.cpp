#include "drawing/groups.h"

namespace zadrawing {

namespace {

// The DXF group codes of text values.
bool holdsText(int code) {
    return (code >= 0 && code <= 9) || code == 100 || (code >= 300 && code <= 309) ||
           (code >= 1000 && code <= 1009);
}

}  // namespace

std::optional<ZaPoint> groupPoint(const resbuf* list, int code) {
    const resbuf* rb = findGroup(list, code);
    if (!rb) return std::nullopt;
    return ZaPoint{rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]};
}

std::optional<double> groupReal(const resbuf* list, int code) {
    const resbuf* rb = findGroup(list, code);
    if (!rb) return std::nullopt;
    return rb->resval.rreal;
}

std::optional<long> groupInteger(const resbuf* list, int code) {
    const resbuf* rb = findGroup(list, code);
    if (!rb) return std::nullopt;
    return code >= 90 && code <= 99 ? static_cast<long>(rb->resval.rlong) : static_cast<long>(rb->resval.rint);
}

std::optional<std::string_view> groupText(const resbuf* list, int code) {
    const resbuf* rb = holdsText(code) ? findGroup(list, code) : nullptr;
    if (!rb || !rb->resval.rstring) return std::nullopt;
    return std::string_view(rb->resval.rstring);
}

std::string_view entityType(const resbuf* list) { return groupText(list, 0).value_or(std::string_view()); }

long flagsOf(const resbuf* list) { return groupInteger(list, 70).value_or(0); }

double elevationOf(const resbuf* list) { return groupReal(list, 38).value_or(0.0); }

ZaPoint extrusionOf(const resbuf* list) { return groupPoint(list, 210).value_or(ZaPoint{0, 0, 1}); }

}  // namespace zadrawing
