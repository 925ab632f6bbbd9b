// The one gate through which entities enter the drawing. Every entity list
// the module makes passes here, so fault injection in the host reaches
// every command, and a list can be built once and made many times: an
// import of a million records rewrites values in place instead of building
// and freeing a list per entity.
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "arx/adsdef.h"

// Hands the list to the host's entity-make; true when the host made the
// entity or took the sequence element. The list stays the caller's.
bool zaEnterEntity(const resbuf* list);

// Drops whatever POLYLINE sequence an earlier failure left open.
void zaCancelSequence();

// A list kept for many entities, its values rewritten before each one.
// Setting a group the list lacks does nothing, so one maker serves lists
// with and without, say, a layer.
class ZaEntityList {
public:
    ZaEntityList() = default;
    // Takes the list; null stands for one that could not be built, and
    // every make() of it then fails.
    explicit ZaEntityList(resbuf* list);
    ZaEntityList(ZaEntityList&& other) noexcept
        : list_(std::exchange(other.list_, nullptr)), elements_(std::move(other.elements_)) {}
    ZaEntityList& operator=(ZaEntityList&& other) noexcept;
    ~ZaEntityList();

    bool built() const { return list_ != nullptr; }

    // A text longer than any before it gets a larger element; when there is
    // no memory for one, the list is dropped and make() fails.
    ZaEntityList& text(int code, std::string_view value);
    ZaEntityList& point(int code, const double* xyz);
    ZaEntityList& real(int code, double value);

    bool make() const { return list_ && zaEnterEntity(list_); }
    const resbuf* list() const { return list_; }

private:
    // The list's elements in order, so that a value is found without
    // walking the list for every entity.
    struct Element {
        int code;
        resbuf* rb;
        std::size_t room;  // characters a text element holds; unknown (0) until written
    };

    Element* find(int code);

    resbuf* list_ = nullptr;
    std::vector<Element> elements_;
};
