// The selection the level tools work through: a set taken from the user
// (optionally of one entity type), held until the command ends on any path,
// and the entities' lists read one by one.
#pragma once

#include <functional>
#include <optional>

#include "arx/adsdef.h"

// What a command says when the selection fails, each an advice text; a
// null `none` ends silently after printing `nonePrinted`.
struct ZaSelectionTexts {
    const char* prompt;       // printed before the host asks
    const char* none;         // RTNONE and RTERROR
    const char* rejected;     // RTREJ
    const char* keyword;      // RTKWORD
    const char* unknown;      // any other code
    const char* lengthFailed; // acedSSLength failed
    const char* empty;        // printed for a set of nothing before asking again; null: end
    const char* nonePrinted = nullptr;
};

class ZaLevelSelection {
public:
    // type: the entity type the filter lets through; empty: any entity.
    explicit ZaLevelSelection(const char* type);
    ~ZaLevelSelection();
    ZaLevelSelection(const ZaLevelSelection&) = delete;
    ZaLevelSelection& operator=(const ZaLevelSelection&) = delete;

    // Asks until the user picks something; the count, or nothing when the
    // command must end (the message already given).
    std::optional<int> choose(const ZaSelectionTexts& texts);

    // Hands the list of each of the first `count` entities in turn to
    // `visit`, which returns false to stop. False when it stopped, or when
    // the host could not name or read an entity (its advice text given).
    bool forEach(int count, const char* nameFailed, const char* readFailed,
                 const std::function<bool(const resbuf*)>& visit) const;

private:
    void release();

    resbuf* filter_ = nullptr;
    ads_name set_{};
    bool held_ = false;
};

// Group `code` of a list, or null.
const resbuf* zaFindGroup(const resbuf* list, int code);
// The text of a group whose value is a string (codes 0 to 9); `fallback`
// for any other type.
const char* zaGroupText(const resbuf* group, const char* fallback);
