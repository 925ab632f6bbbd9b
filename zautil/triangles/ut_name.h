// The names of a triangle model's two files: the user names the UT file,
// and the UP file beside it differs in one letter.
#pragma once

#include <string>
#include <string_view>

namespace zatriangles {

// At least 12 characters, ending in ".ut" (either case) and a run letter.
bool isUTPath(std::string_view path);

// The UT path with the 't' of the extension made a lower-case 'p'
// (ROAD.UTA gives ROAD.UpA). The path must pass isUTPath.
std::string upPathOf(std::string_view utPath);

}  // namespace zatriangles
