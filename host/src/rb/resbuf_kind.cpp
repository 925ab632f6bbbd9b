#include "resbuf_kind.h"

#include "arx/adscodes.h"

namespace zcad {

RbValue rbValueOfType(int restype) {
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
        return RbValue::EName;
    default:
        break;
    }
    // Group codes past the last kind known are kept as text; RTNONE, RTVOID,
    // RTLB, RTLE, RTDOTE, RTNIL, RTT and the rest hold nothing.
    if (restype > detail::kLastCode && restype < 5000) return RbValue::String;
    return RbValue::None;
}

}  // namespace zcad
