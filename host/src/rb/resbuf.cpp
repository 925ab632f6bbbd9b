#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <new>

#include "arx/acedads.h"
#include "resbuf_kind.h"

using zcad::RbValue;

namespace {

char* copyText(const char* text) {
    if (!text) text = "";
    const std::size_t size = std::strlen(text) + 1;
    auto* copy = static_cast<char*>(std::malloc(size));
    if (copy) std::memcpy(copy, text, size);
    return copy;
}

// Reads one value of the kind the code implies from the argument list.
bool takeValue(resbuf* rb, va_list& args) {
    switch (zcad::rbValueOf(rb->restype)) {
    case RbValue::None:
        return true;
    case RbValue::Real:
        rb->resval.rreal = va_arg(args, double);
        return true;
    case RbValue::Point: {
        const double* p = va_arg(args, const double*);
        if (!p) return false;
        rb->resval.rpoint[0] = p[0];
        rb->resval.rpoint[1] = p[1];
        rb->resval.rpoint[2] = rb->restype == RTPOINT ? 0.0 : p[2];
        return true;
    }
    case RbValue::Short:
        rb->resval.rint = static_cast<short>(va_arg(args, int));
        return true;
    case RbValue::Long:
        rb->resval.rlong = va_arg(args, int);
        return true;
    case RbValue::Int64:
        rb->resval.mnInt64 = va_arg(args, std::int64_t);
        return true;
    case RbValue::String:
        rb->resval.rstring = copyText(va_arg(args, const char*));
        return rb->resval.rstring != nullptr;
    case RbValue::EName: {
        const std::int64_t* name = va_arg(args, const std::int64_t*);
        if (!name) return false;
        rb->resval.rlname[0] = name[0];
        rb->resval.rlname[1] = name[1];
        return true;
    }
    }
    return false;
}

}  // namespace

resbuf* acutNewRb(int rtype) {
    auto* rb = static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
    if (!rb) return nullptr;
    rb->restype = static_cast<short>(rtype);
    return rb;
}

int acutRelRb(resbuf* list) {
    while (list) {
        resbuf* next = list->rbnext;
        if (zcad::rbValueOf(list->restype) == RbValue::String) std::free(list->resval.rstring);
        std::free(list);
        list = next;
    }
    return RTNORM;
}

resbuf* acutBuildList(int rtype, ...) {
    va_list args;
    va_start(args, rtype);
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (int code = rtype; code != 0; code = va_arg(args, int)) {
        resbuf* rb = acutNewRb(code);
        if (!rb) break;
        *tail = rb;
        tail = &rb->rbnext;
        if (!takeValue(rb, args)) {
            va_end(args);
            acutRelRb(head);
            return nullptr;
        }
    }
    va_end(args);
    return head;
}
