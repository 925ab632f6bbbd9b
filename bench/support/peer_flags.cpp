#include "peer_flags.h"

#include <cstring>

PeerFlags readPeerFlags(int argc, char** argv) {
    PeerFlags flags;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--document-api") == 0) {
            flags.documentApi = true;
        } else if (std::strcmp(argv[i], "--no-ezdxf") == 0) {
            flags.noEzdxf = true;
        } else {
            flags.positional.push_back(argv[i]);
        }
    }
    return flags;
}
