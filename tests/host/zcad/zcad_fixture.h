// zcad and its module run as a user runs them, in a folder whose name
// holds é, ü, a blank and an apostrophe, with the example job's settings,
// the sample installation and a home directory of their own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "zcad_process.h"

class ZcadRun : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::temp_directory_path() / ("zcad_" + std::string(test->name()) + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(root_);
        dir_ = root_ / "relevé d'été ü";
        std::filesystem::create_directories(dir_);
        std::filesystem::copy_file(source("examples/strings.reg"), path("registry.reg"));
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    static std::string source(const std::string& name) { return std::string(ZCAD_SOURCE_DIR) + "/" + name; }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    static std::string read(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const std::string& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

    ZcadProcess::Options options(std::vector<std::string> args, bool terminal = false) const {
        ZcadProcess::Options o;
        o.args = std::move(args);
        o.environment = {"HOME=" + root_.string(), "ZARVO_REGISTRY=" + path("registry.reg"),
                         "ZARV$PROG=" + source("share/zarvo/"), "LANG=C", "LC_ALL="};
        o.terminal = terminal;
        o.directory = dir_.string();
        return o;
    }

    // Runs a script with these arguments after it; the exit status.
    int runScript(const std::string& script, std::vector<std::string> args = {}) {
        write(path("run.scr"), script);
        args.insert(args.begin(), {"--script", path("run.scr")});
        ZcadProcess zcad(options(std::move(args)));
        const int status = zcad.wait(120);
        output_ = zcad.output();
        return status;
    }

    std::filesystem::path root_;
    std::filesystem::path dir_;
    std::string output_;
};
