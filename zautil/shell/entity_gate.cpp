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

ZaEntityList::ZaEntityList(resbuf* list) : list_(list) {
    for (resbuf* rb = list_; rb; rb = rb->rbnext) elements_.push_back({rb->restype, rb, 0});
}

ZaEntityList& ZaEntityList::operator=(ZaEntityList&& other) noexcept {
    if (this == &other) return *this;
    acutRelRb(list_);
    list_ = std::exchange(other.list_, nullptr);
    elements_ = std::move(other.elements_);
    return *this;
}

ZaEntityList::~ZaEntityList() { acutRelRb(list_); }

ZaEntityList::Element* ZaEntityList::find(int code) {
    for (Element& element : elements_) {
        if (element.code == code) return &element;
    }
    return nullptr;
}

ZaEntityList& ZaEntityList::text(int code, std::string_view value) {
    Element* element = find(code);
    if (!element || !element->rb->resval.rstring) return *this;
    // The host sized the element for the text it was built with.
    if (element->room == 0) element->room = std::strlen(element->rb->resval.rstring);
    if (value.size() > element->room) {
        const std::string blank(std::max(value.size(), kTextRoom), ' ');
        resbuf* larger = acutBuildList(code, blank.c_str(), 0);
        if (!larger) {
            // Without room for the text no entity of this list is right.
            acutRelRb(std::exchange(list_, nullptr));
            elements_.clear();
            return *this;
        }
        resbuf* old = element->rb;
        larger->rbnext = old->rbnext;
        const auto at = static_cast<std::size_t>(element - elements_.data());
        (at > 0 ? elements_[at - 1].rb->rbnext : list_) = larger;
        old->rbnext = nullptr;
        acutRelRb(old);
        *element = {code, larger, blank.size()};
    }
    std::memcpy(element->rb->resval.rstring, value.data(), value.size());
    element->rb->resval.rstring[value.size()] = '\0';
    return *this;
}

ZaEntityList& ZaEntityList::point(int code, const double* xyz) {
    if (Element* element = find(code)) std::copy(xyz, xyz + 3, element->rb->resval.rpoint);
    return *this;
}

ZaEntityList& ZaEntityList::real(int code, double value) {
    if (Element* element = find(code)) element->rb->resval.rreal = value;
    return *this;
}
