#include "triangles/ut_format.h"

#include <cstring>

#include "files/byte_order.h"

namespace zatriangles {

void decodeUTTriangle(const char* record, UTTriangle& triangle) {
    using zafiles::loadI32LE;
    for (std::size_t k = 0; k < 3; ++k) {
        triangle.neighbours[k] = loadI32LE(record + 4 * k);
        triangle.vertices[k] = loadI32LE(record + 16 + 4 * k);
        triangle.edgeFlags[k] = static_cast<std::uint8_t>(record[28 + k]);
    }
    triangle.paint = static_cast<std::uint8_t>(record[15]);
    triangle.flags = static_cast<std::uint8_t>(record[31]);
}

void encodeUTTriangle(const UTTriangle& triangle, char* record) {
    using zafiles::storeI32LE;
    std::memset(record, 0, kUTRecordSize);
    for (std::size_t k = 0; k < 3; ++k) {
        storeI32LE(record + 4 * k, triangle.neighbours[k]);
        storeI32LE(record + 16 + 4 * k, triangle.vertices[k]);
        record[28 + k] = static_cast<char>(triangle.edgeFlags[k]);
    }
    record[15] = static_cast<char>(triangle.paint);
    record[31] = static_cast<char>(triangle.flags);
}

}  // namespace zatriangles
