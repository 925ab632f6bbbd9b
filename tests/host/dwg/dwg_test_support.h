// A scratch folder for the DWG tests, stand-ins for Node that act out what
// the helper does, and small drawings made on the spot.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "zcad/dwg.h"

namespace dwgtest {

class Scratch {
public:
    explicit Scratch(const std::string& name)
        : dir_(std::filesystem::temp_directory_path() / ("zcad_dwg_" + name + "_" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "helper");
        write("helper/helper.js", "// stand-in: the tests run a stand-in Node that never reads it\n");
    }
    ~Scratch() { std::filesystem::remove_all(dir_); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }

    std::string read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // A stand-in for Node: a shell script run as "node --liftoff-only
    // helper.js IN OUT", so $3 is the drawing and $4 the DXF to write.
    zcad::DwgHelper standIn(const std::string& body) const {
        const std::string node = write("node", "#!/bin/sh\n" + body + "\n");
        ::chmod(node.c_str(), 0755);
        return {path("helper"), node};
    }

    // Something for the stand-in to convert; its bytes do not matter to it.
    std::string drawing(const std::string& name = "plan.dwg") const { return write(name, "AC1032 not really a DWG"); }

private:
    std::filesystem::path dir_;
};

// A small R12 DXF with two lines and a circle.
inline const char* kSmallDxf =
    "0\nSECTION\n2\nENTITIES\n"
    "0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n"
    "0\nLINE\n8\n0\n10\n1\n20\n1\n30\n0\n11\n2\n21\n0\n31\n0\n"
    "0\nCIRCLE\n8\n0\n10\n5\n20\n5\n30\n0\n40\n2\n"
    "0\nENDSEC\n0\nEOF\n";

}  // namespace dwgtest
