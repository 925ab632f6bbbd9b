// A drawing read from R2000 or later written as R12: the groups R12 knows,
// the entity types it lacks turned into ones it has, and a tally of what
// was converted or dropped.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "zcad/dxf.h"
#include "zcad/group_list.h"

namespace zcad::dxf {

// Curves become polylines whose chords stray from the curve by at most this
// share of the curve's size (its major radius, or its control points' span).
constexpr double kChordTolerance = 0.001;

// Whether R12 has a group with this code (handles aside: a converted
// drawing has none, since R12 has no pointers to keep).
bool keptInR12(int code);
bool isR12Type(std::string_view type);

struct R12Entity {
    std::string type;
    std::vector<OwnedGroup> groups;  // angles in radians, as in lists
};

// The R12 entities standing for one entity; empty when R12 has no form for
// it. `groups` hold the entity's groups after its type, angles in radians.
std::vector<R12Entity> toR12(std::string_view type, const std::vector<OwnedGroup>& groups);

class ConversionTally;
class DxfKept;

// Whether a drawing read as `kept` says can be written in `to`: one read
// from R2000 or later in any release; one read as R12 in a later release
// when it has no blocks, which are not converted up yet.
bool convertsTo(const DxfKept& kept, DxfVersion to);
// What a drawing read as R12 leaves behind when built anew in a later
// release: its other tables (the release's own stand in) and paper space.
void tallyLeftInR12(const DxfKept& kept, ConversionTally& tally);

class ConversionTally {
public:
    void converted(std::string_view what, std::string_view into) {
        ++converted_[std::string(what) + " to " + std::string(into)];
    }
    void dropped(std::string_view what) { ++dropped_[std::string(what)]; }
    // "LWPOLYLINE: 3 converted to POLYLINE", "HATCH: 2 dropped", sorted.
    std::vector<std::string> lines() const;

private:
    std::map<std::string, std::size_t> converted_;
    std::map<std::string, std::size_t> dropped_;
};

}  // namespace zcad::dxf
