#include "zcad/session.h"

namespace zcad {

bool runHostCommandLine(const std::string&) { return false; }

}  // namespace zcad
