// The module built beside zcad, loaded as zcad loads it, with a private
// registry store for each test.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "host_fixture.h"
#include "zcad/session.h"

namespace fs = std::filesystem;

class ModuleLoad : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        dir_ = fs::temp_directory_path() / ("zautil_module_" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "install");
        setenv("ZARVO_REGISTRY", (dir_ / "registry.reg").c_str(), 1);
        unsetenv("ZARV$PROG");
    }
    void TearDown() override {
        zcad::unloadModules();
        unsetenv("ZARV$PROG");
        fs::remove_all(dir_);
        HostTest::TearDown();
    }
    bool load() {
        std::string error;
        const bool loaded = zcad::loadModule(std::string(ZCAD_BINARY_DIR) + "/zautil.so", error);
        EXPECT_TRUE(loaded) << error;
        return loaded;
    }
    static std::size_t count(const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }
    fs::path dir_;
};
