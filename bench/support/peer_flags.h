// The peer flags of the benchmarks: --document-api runs ezdxf's document API peer too (minutes at a million
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

// The same flags on a CLI11 application.
template <typename App>
void addPeerFlags(App& app, PeerFlags& flags) {
    app.add_flag("--document-api", flags.documentApi, "run the ezdxf document API peer too (minutes at a million)");
    app.add_flag("--no-ezdxf", flags.noEzdxf, "leave the ezdxf peers out");
}
