// The session's printed text on standard output.
#pragma once

#include <string_view>

namespace zcad {

// Host text, written as UTF-8. A terminal sees each piece at once; a pipe
// or a file gets whole buffers, none of it more than a twentieth of a
// second late.
void writeStandardOutput(std::string_view text);

}  // namespace zcad
