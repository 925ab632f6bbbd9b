#include "shell/entity_gate.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "arx/acedads.h"

namespace {

// A text element outgrown is built again with this much room at least, so
// names that grow a little at a time do not build it each time.
constexpr std::size_t kTextRoom = 31;

}  // namespace

bool zaEnterEntity(const resbuf* list) { return acdbEntMake(list) == RTNORM; }

void zaCancelSequence() { acdbEntMake(nullptr); }

ZaEntityList& ZaEntityList::operator=(ZaEntityList&& other) noexcept {
    if (this == &other) return *this;
    acutRelRb(list_);
    list_ = std::exchange(other.list_, nullptr);
    rooms_ = std::move(other.rooms_);
    return *this;
}

ZaEntityList::~ZaEntityList() { acutRelRb(list_); }

resbuf* ZaEntityList::find(int code, resbuf** before) const {
    resbuf* previous = nullptr;
    for (resbuf* rb = list_; rb; previous = rb, rb = rb->rbnext) {
        if (rb->restype != code) continue;
        if (before) *before = previous;
        return rb;
    }
    return nullptr;
}

// The host sized the element for the text it was built with.
std::size_t& ZaEntityList::roomOf(const resbuf* element) {
    for (auto& [known, room] : rooms_) {
        if (known == element) return room;
    }
    return rooms_.emplace_back(element, std::strlen(element->resval.rstring)).second;
}

ZaEntityList& ZaEntityList::text(int code, std::string_view value) {
    resbuf* before = nullptr;
    resbuf* element = find(code, &before);
    if (!element || !element->resval.rstring) return *this;
    std::size_t& room = roomOf(element);
    if (value.size() > room) {
        const std::string blank(std::max(value.size(), kTextRoom), ' ');
        resbuf* larger = acutBuildList(code, blank.c_str(), 0);
        if (!larger) {
            // Without room for the text no entity of this list is right.
            acutRelRb(std::exchange(list_, nullptr));
            rooms_.clear();
            return *this;
        }
        larger->rbnext = element->rbnext;
        (before ? before->rbnext : list_) = larger;
        element->rbnext = nullptr;
        acutRelRb(element);
        rooms_.erase(std::find_if(rooms_.begin(), rooms_.end(), [&](const auto& r) { return r.first == element; }));
        rooms_.emplace_back(larger, blank.size());
        element = larger;
    }
    std::memcpy(element->resval.rstring, value.data(), value.size());
    element->resval.rstring[value.size()] = '\0';
    return *this;
}

ZaEntityList& ZaEntityList::point(int code, const double* xyz) {
    if (resbuf* element = find(code)) std::copy(xyz, xyz + 3, element->resval.rpoint);
    return *this;
}

ZaEntityList& ZaEntityList::real(int code, double value) {
    if (resbuf* element = find(code)) element->resval.rreal = value;
    return *this;
}
