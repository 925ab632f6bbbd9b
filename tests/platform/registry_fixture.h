// A private store file for each test, and what the store reported.
#pragma once

#include <platform/registry.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        char templ[] = "/tmp/zplat-reg-XXXXXX";
        dir_ = ::mkdtemp(templ);
        path_ = dir_ + "/registry.reg";
        ::setenv("ZARVO_REGISTRY", path_.c_str(), 1);
        previous_ = zplat::setRegistryReporter([this](std::string_view m) { reports_.emplace_back(m); });
    }
    void TearDown() override {
        zplat::setRegistryReporter(previous_);
        ::unsetenv("ZARVO_REGISTRY");
        std::filesystem::remove_all(dir_);
    }

    void writeFile(const std::string& text, const std::string& name = {}) {
        std::ofstream(name.empty() ? path_ : name, std::ios::binary) << text;
    }
    std::string readFile(const std::string& name = {}) const {
        std::ifstream in(name.empty() ? path_ : name, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    std::string dir_;
    std::string path_;
    std::vector<std::string> reports_;
    zplat::RegistryReporter previous_;
};

inline constexpr const char* kZarvoKey = "Software\\Zarvo Software\\AutoCAD Interface";
