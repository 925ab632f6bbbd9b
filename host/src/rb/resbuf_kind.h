// How a result buffer holds its value, by its type or DXF group code.
#pragma once

#include "arx/adsdef.h"
#include "zcad/group_list.h"

namespace zcad {

enum class RbValue : std::uint8_t { None, Real, Point, Short, Long, Int64, String, EName };

// Result types outside the group codes of known kind: the RT codes (5000 on).
RbValue rbValueOfType(int restype);

namespace detail {

constexpr RbValue rbValueOfCode(int code) {
    if (code == -1 || code == -2) return RbValue::EName;
    if (code == -3) return RbValue::None;
    switch (kindByRange(code)) {
    case GroupKind::Real:
        return RbValue::Real;
    case GroupKind::Point:
        return RbValue::Point;
    case GroupKind::Int16:
        return RbValue::Short;
    case GroupKind::Int32:
        return RbValue::Long;
    case GroupKind::Int64:
        return RbValue::Int64;
    case GroupKind::String:
        break;
    }
    return RbValue::String;
}

// Looked up for every element of every list built, made or released.
inline constexpr CodeTable<RbValue, rbValueOfCode> kRbValues;

}  // namespace detail

inline RbValue rbValueOf(int restype) {
    if (restype >= detail::kFirstCode && restype <= detail::kLastCode) {
        return detail::kRbValues[restype];
    }
    return rbValueOfType(restype);
}

}  // namespace zcad
