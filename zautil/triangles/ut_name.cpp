#include "triangles/ut_name.h"

#include "files/text_rules.h"

namespace zatriangles {
namespace {

constexpr std::size_t kShortestPath = 12;

}  // namespace

bool isUTPath(std::string_view path) {
    if (path.size() < kShortestPath) return false;
    const std::string_view ending = path.substr(path.size() - 4);
    return ending[0] == '.' && zafiles::lowerAscii(ending[1]) == 'u' && zafiles::lowerAscii(ending[2]) == 't';
}

std::string upPathOf(std::string_view utPath) {
    std::string up(utPath);
    up[up.size() - 2] = 'p';
    return up;
}

}  // namespace zatriangles
