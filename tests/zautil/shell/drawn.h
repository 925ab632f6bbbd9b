// The drawing's entities read back through the host API.
#pragma once

#include "geometry/point.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "arx/acedads.h"

class Drawn {
public:
    explicit Drawn(resbuf* list) : list_(list, acutRelRb) {}
    const resbuf* at(int code) const {
        const resbuf* rb = list_.get();
        while (rb && rb->restype != code) rb = rb->rbnext;
        return rb;
    }
    std::string text(int code) const { return at(code) ? at(code)->resval.rstring : "<none>"; }
    double real(int code) const { return at(code) ? at(code)->resval.rreal : -999; }
    int flags(int code) const { return at(code) ? at(code)->resval.rint : 0; }
    ZaPoint point(int code) const {
        const resbuf* rb = at(code);
        return rb ? ZaPoint{rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]}
                  : ZaPoint{-999, -999, -999};
    }

private:
    std::unique_ptr<resbuf, int (*)(resbuf*)> list_;
};

// Drawing order, VERTEX and SEQEND included.
inline std::vector<Drawn> drawnEntities() {
    std::vector<Drawn> drawn;
    ads_name name;
    ads_name next;
    for (int s = acdbEntNext(nullptr, name); s == RTNORM; s = acdbEntNext(name, next), ads_name_set(next, name)) {
        drawn.emplace_back(acdbEntGet(name));
    }
    return drawn;
}

inline std::string drawnTypes() {
    std::string types;
    for (const Drawn& d : drawnEntities()) types += d.text(0) + " ";
    return types;
}
