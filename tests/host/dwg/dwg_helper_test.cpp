// The conversion as zcad runs it, against stand-ins for Node that act out
// the helper's answers: a drawing, a refusal, a crash, a hang.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "dwg_test_support.h"
#include "zcad/dwg.h"

namespace {

using dwgtest::Scratch;
using namespace std::chrono_literals;

struct Outcome {
    std::unique_ptr<zcad::Database> db;
    zcad::DwgReport report;
    std::string error;
};

Outcome convert(const std::string& drawing, const zcad::DwgHelper& helper, zcad::DwgLimits limits = {}) {
    Outcome outcome;
    outcome.db = zcad::readDwg(drawing, helper, limits, outcome.report, outcome.error);
    return outcome;
}

std::size_t entities(const zcad::Database& db) {
    std::size_t count = 0;
    for (auto id = db.next(zcad::kNoEntity); id != zcad::kNoEntity; id = db.next(id)) ++count;
    return count;
}

// Ended, or a zombie left for whoever reaps orphans here.
bool gone(pid_t pid) {
    for (int i = 0; i < 50; ++i) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        if (!std::getline(stat, line)) return true;
        const std::size_t close = line.rfind(')');
        if (close != std::string::npos && line.substr(close + 1, 3) == " Z ") return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

TEST(DwgConversion, ReadsTheDxfTheHelperWroteWithItsReport) {
    const Scratch scratch("converted");
    scratch.write("small.dxf", dwgtest::kSmallDxf);
    // LibreDWG's chatter on both outputs must not confuse the report.
    const auto helper = scratch.standIn("printf '%s\\n' \"$@\" > " + scratch.path("args") + "\n" +
                                       "cp " + scratch.path("small.dxf") + " \"$4\"\n"
                                       "echo 'Warning: utf-8: BAD_CONTINUATION_BYTE' >&2\n"
                                       "printf 'release R2018\\nentities 99\\nnoise\\nlost WIPEOUT 2\\nlost X y\\n'\n"
                                       "dirname \"$4\" > " + scratch.path("out-folder") + "\n" +
                                       "cp \"$3\" " + scratch.path("copy"));
    const std::string drawing = scratch.drawing("relev\xe9 d'\xe9t\xe9.dwg");
    const Outcome got = convert(drawing, helper);
    ASSERT_TRUE(got.db) << got.error;
    EXPECT_EQ(entities(*got.db), 3u);
    EXPECT_EQ(got.report.release, "R2018");
    EXPECT_EQ(got.report.entities, 3) << "the drawing's own count, not the helper's";
    ASSERT_EQ(got.report.lost.size(), 1u);
    EXPECT_EQ(got.report.lost[0], (std::pair<std::string, long>{"WIPEOUT", 2}));

    // An argument vector, never a shell; the drawing under a plain name,
    // whatever bytes its own name holds.
    const std::string args = scratch.read("args");
    const std::string start = "--liftoff-only\n" + scratch.path("helper") + "/helper.js\n";
    ASSERT_TRUE(args.starts_with(start)) << args;
    const std::string given = args.substr(start.size(), args.find('\n', start.size()) - start.size());
    EXPECT_TRUE(std::all_of(given.begin(), given.end(), [](unsigned char c) { return c < 0x80; })) << given;
    EXPECT_EQ(scratch.read("copy"), "AC1032 not really a DWG") << given;
    std::string folder = scratch.read("out-folder");
    folder.pop_back();
    EXPECT_FALSE(std::filesystem::exists(folder)) << "the scratch DXF outlives the conversion: " << folder;
}

TEST(DwgConversion, MissingPartsSayHowToInstallThem) {
    const Scratch scratch("missing");
    const std::string drawing = scratch.drawing();
    const std::string started = scratch.path("started");
    const auto helper = scratch.standIn("touch " + started + "\nexit 3");

    zcad::DwgHelper noNode = helper;
    noNode.node.clear();
    Outcome got = convert(drawing, noNode);
    EXPECT_FALSE(got.db);
    EXPECT_EQ(got.error, drawing + ": cannot open a DWG drawing: Node.js is not installed (run scripts/install-dwg "
                                   "once to install Node.js 20 and the DWG helper)");

    zcad::DwgHelper noHelper = helper;
    noHelper.folder = scratch.path("nowhere");
    got = convert(drawing, noHelper);
    EXPECT_NE(got.error.find("the DWG helper is not installed in " + noHelper.folder), std::string::npos) << got.error;
    EXPECT_NE(got.error.find("scripts/install-dwg"), std::string::npos);

    // A drawing that is not there is the usual refusal; the helper never starts.
    got = convert(scratch.path("absent.dwg"), helper);
    EXPECT_EQ(got.error, scratch.path("absent.dwg") + ": cannot open the drawing");
    EXPECT_FALSE(std::filesystem::exists(started));

    // The helper's own word that its package is missing, with the way to get it.
    const auto noPackage = scratch.standIn(
        "echo 'zcad-dwg: the package @mlightcad/libredwg-web is not installed beside the helper' >&2\nexit 3");
    got = convert(drawing, noPackage);
    EXPECT_EQ(got.error, drawing + ": cannot open a DWG drawing: the package @mlightcad/libredwg-web is not "
                                   "installed beside the helper (run scripts/install-dwg once to install Node.js 20 "
                                   "and the DWG helper)");
}

TEST(DwgConversion, ARefusedDrawingGivesTheHelpersReason) {
    const Scratch scratch("refused");
    const std::string drawing = scratch.drawing();
    // A megabyte of warnings first: the pipes are drained while it runs,
    // and only the helper's own last line is the reason.
    const auto helper = scratch.standIn(
        "i=0; while [ $i -lt 20000 ]; do echo 'Warning: a line of fifty characters or so, over and over' >&2; "
        "i=$((i+1)); done\n"
        "echo 'zcad-dwg: not a DWG drawing' >&2\necho 'ERROR: after the reason' >&2\nexit 2");
    const Outcome got = convert(drawing, helper);
    EXPECT_FALSE(got.db);
    EXPECT_EQ(got.error, drawing + ": the DWG helper cannot read the drawing: not a DWG drawing");
}

TEST(DwgConversion, CrashesAreCannotOpen) {
    const Scratch scratch("crash");
    const std::string drawing = scratch.drawing();
    Outcome got = convert(drawing, scratch.standIn("kill -SEGV $$"));
    EXPECT_EQ(got.error, drawing + ": cannot open the drawing: the DWG helper crashed (SIGSEGV)");

    got = convert(drawing, scratch.standIn("echo '    at wasm-function[812]' >&2\n"
                                           "echo 'RuntimeError: table index is out of bounds' >&2\nexit 7"));
    EXPECT_EQ(got.error, drawing + ": cannot open the drawing: the DWG helper failed "
                                   "(RuntimeError: table index is out of bounds)");

    got = convert(drawing, scratch.standIn("exit 9"));
    EXPECT_EQ(got.error, drawing + ": cannot open the drawing: the DWG helper failed (exit status 9)");

    got = convert(drawing, scratch.standIn("echo 'release R2018'"));
    EXPECT_EQ(got.error, drawing + ": cannot open the drawing: the DWG helper wrote no DXF");

    // What the helper wrote but the reader refuses is named by the DWG.
    got = convert(drawing, scratch.standIn("printf '0\\nSECTION\\n2\\nENTITIES\\n0\\nLINE\\n10\\nwide\\n' > \"$4\""));
    EXPECT_FALSE(got.db);
    EXPECT_TRUE(got.error.starts_with(drawing + " (converted to DXF)")) << got.error;

    zcad::DwgHelper notRunnable{scratch.path("helper"), scratch.write("node.txt", "not a program")};
    got = convert(drawing, notRunnable);
    EXPECT_TRUE(got.error.starts_with(drawing + ": cannot open the drawing: the DWG helper could not be started ("))
        << got.error;
}

TEST(DwgConversion, AHelperThatHangsIsKilledWithWhatItStarted) {
    const Scratch scratch("hang");
    const std::string drawing = scratch.drawing();
    const std::string pidFile = scratch.path("sleeper");
    const auto helper = scratch.standIn("sleep 60 &\necho $! > " + pidFile + "\nwait");

    zcad::DwgLimits limits;
    limits.base = 300ms;
    limits.perMegabyte = 0ms;
    const auto start = std::chrono::steady_clock::now();
    Outcome got = convert(drawing, helper, limits);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    EXPECT_EQ(got.error, drawing + ": cannot open the drawing: the DWG helper took longer than 1 s and was stopped");
    const pid_t sleeper = std::stoi(scratch.read("sleeper"));
    EXPECT_TRUE(gone(sleeper)) << "the helper's own child outlived the time-out";

    // The break key ends it as soon as it is seen.
    std::filesystem::remove(pidFile);
    limits.base = 60s;
    int asked = 0;
    limits.stop = [&] { return ++asked > 3; };
    got = convert(drawing, helper, limits);
    EXPECT_EQ(got.error, drawing + ": not opened: the conversion was broken off");
    if (std::filesystem::exists(pidFile)) {
        EXPECT_TRUE(gone(std::stoi(scratch.read("sleeper"))));
    }
}

TEST(DwgConversion, TheTimeLimitGrowsWithTheDrawing) {
    const Scratch scratch("limit");
    scratch.write("small.dxf", dwgtest::kSmallDxf);
    const auto helper = scratch.standIn("sleep 1\ncp " + scratch.path("small.dxf") + " \"$4\"");
    zcad::DwgLimits limits;
    limits.base = 200ms;
    limits.perMegabyte = 1500ms;

    const std::string small = scratch.drawing("small.dwg");
    EXPECT_FALSE(convert(small, helper, limits).db) << "a small drawing had more than its time";

    const std::string large = scratch.write("large.dwg", "AC1032" + std::string(3u << 20, 'x'));
    const Outcome got = convert(large, helper, limits);
    EXPECT_TRUE(got.db) << got.error;
}

}  // namespace
