#include "resbuf_kind.h"

#include "arx/adscodes.h"
#include "zcad/group_list.h"

namespace zcad {

RbValue rbValueOf(int restype) {
    switch (restype) {
    case RTREAL:
    case RTANG:
    case RTORINT:
        return RbValue::Real;
    case RTPOINT:
    case RT3DPOINT:
        return RbValue::Point;
    case RTSHORT:
        return RbValue::Short;
    case RTLONG:
        return RbValue::Long;
    case RTINT64:
        return RbValue::Int64;
    case RTSTR:
    case RTDXF0:
        return RbValue::String;
    case RTENAME:
    case RTPICKS:
    case -1:
    case -2:
        return RbValue::EName;
    case RTNONE:
    case RTVOID:
    case RTLB:
    case RTLE:
    case RTDOTE:
    case RTNIL:
    case RTT:
    case -3:
        return RbValue::None;
    default:
        break;
    }
    if (restype < -5 || restype >= 5000) return RbValue::None;
    switch (groupKind(restype)) {
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
        return RbValue::String;
    }
    return RbValue::None;
}

}  // namespace zcad
