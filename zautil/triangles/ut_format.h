// The suite's triangle model on disk: a UP file of points and a UT file of
// triangles that join them, both little-endian and read field by field.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zatriangles {

// UP: a header of three 24-byte records the readers skip, then one record
// (x, y, z) per point. A point is known by the number of its record counted
// from the start of the file, the header included: the first point is 3.
inline constexpr std::size_t kUPRecordSize = 24;
inline constexpr std::int64_t kUPHeaderRecords = 3;
inline constexpr std::uint64_t kUPMinimumSize = 144;

// UT: 32-byte records from byte 0, with no header.
inline constexpr std::size_t kUTRecordSize = 32;
inline constexpr std::uint64_t kUTMinimumSize = 224;

// Edge k (from 0) faces vertex k: edge 0 joins vertices 1 and 2, edge 1
// vertices 2 and 0, edge 2 vertices 0 and 1.
struct UTTriangle {
    std::array<std::int32_t, 3> neighbours{};  // record numbers across edges 0..2
    std::uint8_t paint = 0;                    // the colour class the suite painted it
    std::array<std::int32_t, 3> vertices{};    // point numbers in the UP file
    std::array<std::uint8_t, 3> edgeFlags{};
    std::uint8_t flags = 0;

    bool active() const { return (flags & 1u) != 0; }
    bool breakline(int edge) const { return (edgeFlags[static_cast<std::size_t>(edge)] & 1u) != 0; }
    // Either of the two boundary bits: the edge has no neighbour.
    bool boundary(int edge) const { return (edgeFlags[static_cast<std::size_t>(edge)] & (8u | 32u)) != 0; }
};

void decodeUTTriangle(const char* record, UTTriangle& triangle);
void encodeUTTriangle(const UTTriangle& triangle, char* record);  // for test and sample files

}  // namespace zatriangles
