// The stored form of a list: every value reads back bit for bit, however
// compactly it was kept.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "zcad/group_list.h"

namespace {

using zcad::OwnedGroup;

std::vector<OwnedGroup> roundTrip(const std::vector<OwnedGroup>& groups, std::size_t* size = nullptr) {
    std::vector<std::uint8_t> bytes;
    zcad::GroupWriter writer(bytes);
    for (const OwnedGroup& g : groups) writer.group(g.view());
    if (size) *size = bytes.size();
    std::vector<OwnedGroup> back;
    for (const zcad::Group& g : zcad::decodeGroups(bytes)) back.push_back(OwnedGroup::of(g));
    return back;
}

TEST(GroupList, EveryValueReadsBackBitForBit) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<OwnedGroup> groups = {
        OwnedGroup::string(0, "VERTEX"),
        OwnedGroup::string(1, std::string(200, 'x')),  // a length of two varint bytes
        OwnedGroup::string(1, ""),
        OwnedGroup::point(10, 0, 0, 0),
        OwnedGroup::point(10, 0, 0, 0, true),
        OwnedGroup::point(10, -0.0, 0, 0),
        OwnedGroup::point(11, 1e300, -2.5, nan),
        OwnedGroup::point(10, 0, 0, 7, true),  // a flat point keeps no z
        OwnedGroup::real(40, 0.0),
        OwnedGroup::real(40, -0.0),
        OwnedGroup::real(50, 1.5),
        OwnedGroup::integral(70, 0),
        OwnedGroup::integral(70, -32768),
        OwnedGroup::integral(90, 0),
        OwnedGroup::integral(90, 2147483647),
        OwnedGroup::integral(160, 0),
        OwnedGroup::integral(160, std::numeric_limits<std::int64_t>::min()),
    };
    std::vector<OwnedGroup> expected = groups;
    expected[7].xyz[2] = 0;
    EXPECT_EQ(roundTrip(groups), expected);
}

TEST(GroupList, ZeroValuesTakeTheirCodeWordAlone) {
    std::size_t zeros = 0, values = 0;
    roundTrip({OwnedGroup::point(10, 0, 0, 0), OwnedGroup::real(40, 0), OwnedGroup::integral(70, 0),
               OwnedGroup::integral(90, 0)},
              &zeros);
    roundTrip({OwnedGroup::point(10, 0, 0, 1), OwnedGroup::real(40, -0.0), OwnedGroup::integral(70, 1),
               OwnedGroup::integral(90, 1)},
              &values);
    EXPECT_EQ(zeros, 4 * sizeof(std::uint16_t));
    EXPECT_EQ(values, zeros + 3 * sizeof(double) + sizeof(double) + 2 + 4);
}

}  // namespace
