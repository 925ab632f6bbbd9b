// Helpers shared by the DXF tests: files in a scratch directory, the ezdxf
// oracle script, and entity lists built by hand.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "zcad/database.h"
#include "zcad/dxf.h"

#include "run_command.h"

namespace dxftest {

inline std::string run(const std::string& command, int& status) { return runCommand(command, status); }

inline std::filesystem::path scratchDir() {
    auto dir = std::filesystem::temp_directory_path() / ("zcad_dxf_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string oracle(const std::string& arguments) {
    int status = 0;
    return run(std::string("/usr/bin/python3 ") + DXF_TEST_DIR + "/dxf_oracle.py " + arguments, status);
}

// An entity list from groups given as (code, value) in a compact form.
struct G {
    int code;
    std::string text;
    double xyz[3] = {0, 0, 0};
    long long integer = 0;
    enum { Text, Real, Point, Int } kind = Text;

    G(int c, const char* t) : code(c), text(t) {}
    G(int c, double v) : code(c), kind(Real) { xyz[0] = v; }
    G(int c, int v) : code(c), integer(v), kind(Int) {}
    G(int c, double x, double y, double z) : code(c), kind(Point) {
        xyz[0] = x;
        xyz[1] = y;
        xyz[2] = z;
    }
};

inline std::vector<std::uint8_t> list(std::initializer_list<G> groups) {
    std::vector<std::uint8_t> bytes;
    zcad::GroupWriter writer(bytes);
    for (const auto& g : groups) {
        switch (g.kind) {
        case G::Text:
            writer.string(g.code, g.text);
            break;
        case G::Real:
            writer.real(g.code, g.xyz[0]);
            break;
        case G::Point:
            writer.point(g.code, g.xyz[0], g.xyz[1], g.xyz[2]);
            break;
        case G::Int:
            writer.integral(g.code, g.integer);
            break;
        }
    }
    return bytes;
}

inline const zcad::Group* find(const std::vector<zcad::Group>& groups, int code, int nth = 0) {
    for (const auto& g : groups) {
        if (g.code == code && nth-- == 0) return &g;
    }
    return nullptr;
}

}  // namespace dxftest
