// The one gate through which entities enter the drawing. Every entity list
// the module makes passes here, so fault injection in the host reaches
// every command, and a list can be built once and made many times: an
// import of a million records rewrites values in place instead of building
// and freeing a list per entity.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "arx/acedads.h"
#include "arx/adsdef.h"
#include "geometry/point.h"

// Hands the list to the host's entity-make; true when the host made the
// entity or took the sequence element. The list stays the caller's.
inline bool zaEnterEntity(const resbuf* list) { return acdbEntMake(list) == RTNORM; }

// Drops whatever POLYLINE sequence an earlier failure left open.
void zaCancelSequence();

// A list kept for many entities, its values rewritten before each one.
// Setting a group the list lacks does nothing, so one maker serves lists
// with and without, say, a layer.
class ZaEntityList {
public:
    ZaEntityList() { byCode_.fill(-1); }
    // Takes the list; null stands for one that could not be built, and
    // every make() of it then fails.
    explicit ZaEntityList(resbuf* list);
    ZaEntityList(ZaEntityList&& other) noexcept
        : list_(std::exchange(other.list_, nullptr)), elements_(std::move(other.elements_)), byCode_(other.byCode_) {}
    ZaEntityList& operator=(ZaEntityList&& other) noexcept;
    ~ZaEntityList();

    bool built() const { return list_ != nullptr; }

    // A text longer than any before it gets a larger element; when there is
    // no memory for one, the list is dropped and make() fails.
    ZaEntityList& text(int code, std::string_view value) {
        Element* element = find(code);
        if (!element || !holdsText(code)) return *this;
        if (value.size() > element->room) return textOutgrown(*element, value);
        std::memcpy(element->rb->resval.rstring, value.data(), value.size());
        element->rb->resval.rstring[value.size()] = '\0';
        return *this;
    }
    ZaEntityList& point(int code, const double* xyz) {
        if (Element* element = find(code)) {
            double* to = element->rb->resval.rpoint;
            to[0] = xyz[0];
            to[1] = xyz[1];
            to[2] = xyz[2];
        }
        return *this;
    }
    ZaEntityList& point(int code, const ZaPoint& at) {
        if (Element* element = find(code)) {
            double* to = element->rb->resval.rpoint;
            to[0] = at.x;
            to[1] = at.y;
            to[2] = at.z;
        }
        return *this;
    }
    ZaEntityList& real(int code, double value) {
        if (Element* element = find(code)) element->rb->resval.rreal = value;
        return *this;
    }
    // A 16-bit integer group (60-79 and the like): flags, counts, indices.
    ZaEntityList& integer(int code, short value) {
        if (Element* element = find(code)) element->rb->resval.rint = value;
        return *this;
    }

    bool make() const { return list_ && zaEnterEntity(list_); }
    const resbuf* list() const { return list_; }

private:
    // The list's elements in order, so that a value is found without
    // walking the list for every entity.
    struct Element {
        int code;
        resbuf* rb;
        std::size_t room;  // characters a text element holds
    };

    // The DXF group codes of text values an entity list carries.
    static constexpr bool holdsText(int code) {
        return (code >= 1 && code <= 9) || code == 100 || (code >= 300 && code <= 309) ||
               (code >= 1000 && code <= 1009);
    }
    // Entities are made by the million: the groups rewritten most (the
    // layer, the points, the reals and the flags and indices, all below 80)
    // are found by their code at once.
    Element* find(int code) {
        if (code >= 0 && code < kIndexedCodes) {
            const int at = byCode_[static_cast<std::size_t>(code)];
            return at < 0 ? nullptr : &elements_[static_cast<std::size_t>(at)];
        }
        for (Element& element : elements_) {
            if (element.code == code) return &element;
        }
        return nullptr;
    }
    ZaEntityList& textOutgrown(Element& element, std::string_view value);

    static constexpr int kIndexedCodes = 80;

    resbuf* list_ = nullptr;
    std::vector<Element> elements_;
    std::array<int, kIndexedCodes> byCode_;
};

// The kept list, built by `build` the first time only.
template <typename Build>
ZaEntityList& zaKeptList(ZaEntityList& list, Build build) {
    if (!list.built()) list = ZaEntityList(build());
    return list;
}
