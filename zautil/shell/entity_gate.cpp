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

void zaCancelSequence() { acdbEntMake(nullptr); }

ZaEntityList::ZaEntityList(resbuf* list) : list_(list) {
    byCode_.fill(-1);
    for (resbuf* rb = list_; rb; rb = rb->rbnext) {
        const int code = rb->restype;
        if (code >= 0 && code < kIndexedCodes && byCode_[static_cast<std::size_t>(code)] < 0) {
            byCode_[static_cast<std::size_t>(code)] = static_cast<int>(elements_.size());
        }
        // The host sized each text element for the text it was built with.
        const bool text = holdsText(code) && rb->resval.rstring;
        elements_.push_back({code, rb, text ? std::strlen(rb->resval.rstring) : 0});
    }
}

ZaEntityList& ZaEntityList::operator=(ZaEntityList&& other) noexcept {
    if (this == &other) return *this;
    acutRelRb(list_);
    list_ = std::exchange(other.list_, nullptr);
    elements_ = std::move(other.elements_);
    byCode_ = other.byCode_;
    return *this;
}

ZaEntityList::~ZaEntityList() { acutRelRb(list_); }

ZaEntityList& ZaEntityList::textOutgrown(Element& element, std::string_view value) {
    const std::string blank(std::max(value.size(), kTextRoom), ' ');
    resbuf* larger = acutBuildList(element.code, blank.c_str(), 0);
    if (!larger) {
        // Without room for the text no entity of this list is right.
        acutRelRb(std::exchange(list_, nullptr));
        elements_.clear();
        byCode_.fill(-1);
        return *this;
    }
    resbuf* old = element.rb;
    larger->rbnext = old->rbnext;
    const auto at = static_cast<std::size_t>(&element - elements_.data());
    (at > 0 ? elements_[at - 1].rb->rbnext : list_) = larger;
    old->rbnext = nullptr;
    acutRelRb(old);
    element = {element.code, larger, blank.size()};
    return text(element.code, value);
}
