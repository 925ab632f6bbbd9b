// The peer flags of the benchmarks that take plain positional arguments:
// --document-api runs ezdxf's document API peer too (minutes at a million
// entities), --no-ezdxf leaves every peer out. The fastest-path peer runs
// unless told.
#pragma once

#include <vector>

struct PeerFlags {
    bool documentApi = false;
    bool noEzdxf = false;
    std::vector<const char*> positional;  // the other arguments, in order

    bool fastestPath() const { return !noEzdxf; }
    bool documentPeer() const { return documentApi && !noEzdxf; }
};

PeerFlags readPeerFlags(int argc, char** argv);
