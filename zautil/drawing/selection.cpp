#include "drawing/selection.h"

#include "arx/acedads.h"

namespace zadrawing {

Selection::Selection(const char* type) : filter_(type ? acutBuildList(RTDXF0, type, 0) : nullptr) {}

Selection::~Selection() { release(); }

void Selection::release() {
    if (held_) acedSSFree(set_);
    held_ = false;
    size_ = 0;
}

DrawingFault Selection::choose() {
    release();
    const DrawingFault fault = answerFault(acedSSGet(nullptr, nullptr, nullptr, filter_.get(), set_));
    if (fault != DrawingFault::None) return fault;
    held_ = true;
    if (acedSSLength(set_, &size_) != RTNORM) {
        size_ = 0;
        return DrawingFault::NoLength;
    }
    return DrawingFault::None;
}

DrawingFault Selection::name(ads_int32 index, ads_name entity) const {
    if (!held_ || acedSSName(set_, index, entity) != RTNORM) return DrawingFault::NoName;
    return DrawingFault::None;
}

}  // namespace zadrawing
