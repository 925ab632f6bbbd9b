// zcad's entries in the registry, as a host's installer leaves them.
#pragma once

#include <string>

// Records the installation directory as "AcadLocation" under the host's
// product key, where modules find the host's Fonts folder. Written only
// when it differs; a store that cannot be written is left as it is.
void registerHostInstallation(const std::string& directory);
