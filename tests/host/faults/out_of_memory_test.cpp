// Running out of memory at each allocation in turn while a drawing is read,
// saved, and taken through a whole zcad session, on one thread and on
// several: every time, the failure is reported once, nothing is half-read,
// no file is left beside the target and the target is as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dxf/dxf_writer.h"
#include "failing_allocation.h"
#include "zcad/console.h"
#include "zcad/dxf.h"
#include "zcad/host_test.h"
#include "zcad/session.h"

namespace {

namespace fs = std::filesystem;
using faults::FailingAllocation;
using faults::failEachAllocation;

fs::path scratch(const std::string& name) {
    const auto dir = fs::temp_directory_path() / ("zcad_faults_" + std::to_string(::getpid())) / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::vector<std::string> filesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void append(zcad::Database& db, std::initializer_list<double> xyz, const char* type = "POINT") {
    std::vector<std::uint8_t> list;
    zcad::GroupWriter writer(list);
    writer.string(0, type);
    writer.string(8, "Survey");
    auto at = xyz.begin();
    writer.point(10, at[0], at[1], at[2]);
    if (std::string_view(type) == "LINE") writer.point(11, at[0] + 1, at[1] + 1, at[2]);
    db.append(list);
}

// A drawing with what a file has around its entities (header, tables the
// host keeps and those it does not, blocks, objects) and a polyline whose
// vertices follow it, in the release asked for.
std::string sampleText(zcad::DxfVersion version, int entities = 8) {
    zcad::Database db;
    for (int i = 0; i < entities; ++i) append(db, {1.0 * i, 2.0 * i, 0.5}, i % 2 ? "LINE" : "POINT");
    std::vector<std::uint8_t> list;
    zcad::GroupWriter(list).string(0, "POLYLINE");
    zcad::GroupWriter(list).integral(66, 1);
    db.append(list);
    for (int i = 0; i < 3; ++i) append(db, {1.0 * i, 0.0, 0.0}, "VERTEX");
    list.clear();
    zcad::GroupWriter(list).string(0, "SEQEND");
    db.append(list);
    return "999\nmade for the test\n" + zcad::writeDxfText(db, &version);
}

TEST(OutOfMemory, ReadingRefusesTheWholeDrawingWithOneMessage) {
    for (const auto version : {zcad::DxfVersion::R12, zcad::DxfVersion::R2000, zcad::DxfVersion::R2018}) {
        const std::string text = sampleText(version);
        std::unique_ptr<zcad::Database> db;
        std::string error;
        const long runs = failEachAllocation([&] { db = zcad::readDxfText(text, error); },
                                             [&](bool fired, long n) {
                                                 if (fired) {
                                                     EXPECT_FALSE(db) << "allocation " << n;
                                                     EXPECT_EQ(error, "not enough memory to read the drawing");
                                                 } else {
                                                     ASSERT_TRUE(db) << error;
                                                     EXPECT_EQ(zcad::writeDxfText(*db, nullptr), text);
                                                 }
                                                 db.reset();
                                                 error.clear();
                                             });
        EXPECT_GT(runs, 20) << "the reader allocates; the failures must have reached it";
    }
}

TEST(OutOfMemory, ReadingAFileNamesIt) {
    const auto dir = scratch("read");
    const auto path = (dir / "drawing.dxf").string();
    writeFile(path, sampleText(zcad::DxfVersion::R2000));
    std::unique_ptr<zcad::Database> db;
    std::string error;
    failEachAllocation([&] { db = zcad::readDxf(path, error); },
                       [&](bool fired, long) {
                           EXPECT_EQ(!db, fired);
                           if (fired) {
                               EXPECT_EQ(error, path + ": not enough memory to read the drawing");
                           }
                           db.reset();
                       });
}

// The target holds "old" before each save; a save that fails must leave it so.
void expectSavesFailCleanly(const zcad::Database& db, const fs::path& dir, long step) {
    const std::string target = (dir / "drawing.dxf").string();
    const std::string expected = zcad::writeDxfText(db, nullptr);
    writeFile(target, "old");
    std::string error;
    bool saved = false;
    const long runs = failEachAllocation(
        [&] { saved = zcad::writeDxf(target, db, nullptr, error); },
        [&](bool fired, long n) {
            if (saved) {
                EXPECT_EQ(readFile(target), expected) << "allocation " << n;
                writeFile(target, "old");
            } else {
                EXPECT_TRUE(fired);
                EXPECT_EQ(error, "cannot save " + target + ": not enough memory to write the drawing");
                EXPECT_EQ(readFile(target), "old") << "allocation " << n;
            }
            EXPECT_EQ(filesIn(dir), std::vector<std::string>{"drawing.dxf"}) << "allocation " << n;
        },
        step);
    EXPECT_GT(runs, 10);
}

TEST(OutOfMemory, SavingLeavesTheTargetAndNothingBeside) {
    std::string error;
    auto db = zcad::readDxfText(sampleText(zcad::DxfVersion::R2000), error);
    ASSERT_TRUE(db) << error;
    append(*db, {7, 8, 9});  // changed, so the extents are measured anew
    expectSavesFailCleanly(*db, scratch("save"), 1);
}

// Large enough that the entities are written by several threads and the
// extents measured by several: an exception in any of them reaches the save.
TEST(OutOfMemory, SavingOnSeveralThreads) {
    zcad::Database db;
    for (int i = 0; i < 33000; ++i) append(db, {1.0 * i, 0.5 * i, 0.0}, i % 2 ? "LINE" : "POINT");
    zcad::dxf::setEntityWriters(3);
    long allocations = 0;
    {
        const FailingAllocation counting(LONG_MAX);
        zcad::writeDxfText(db, nullptr);
        allocations = counting.allocations();
    }
    // Some twenty failures spread over the save, not one per allocation.
    expectSavesFailCleanly(db, scratch("threads"), std::max(1L, allocations / 20));
    zcad::dxf::setEntityWriters(0);
}

TEST(OutOfMemory, ZcadSaysSoAndLeavesTheTarget) {
    const auto dir = scratch("session");
    const auto in = dir / "in.dxf";
    const auto out = dir / "out.dxf";
    writeFile(in, sampleText(zcad::DxfVersion::R12));
    std::string error;
    const auto read = zcad::readDxf(in.string(), error);
    ASSERT_TRUE(read) << error;
    const std::string expected = zcad::writeDxfText(*read, nullptr);

    zcad::SessionOptions options;
    options.drawing = in.string();
    options.save = out.string();
    options.readStandardInput = false;
    zcad::OutputSink previous = zcad::setOutputSink([](std::string_view) {});
    for (long n = 1;; ++n) {
        zcad::test::resetHost();
        writeFile(out, "old");
        testing::internal::CaptureStderr();
        int status = 0;
        bool fired = false;
        {
            FailingAllocation failing(n);
            status = zcad::runSession(options);
            fired = failing.fired();
        }
        const std::string complaint = testing::internal::GetCapturedStderr();
        if (status == 0) {
            EXPECT_EQ(readFile(out), expected) << "allocation " << n;
        } else {
            EXPECT_NE(complaint.find("not enough memory"), std::string::npos) << n << ": " << complaint;
            EXPECT_EQ(readFile(out), "old") << "allocation " << n;
        }
        EXPECT_EQ(filesIn(dir), (std::vector<std::string>{"in.dxf", "out.dxf"})) << "allocation " << n;
        if (!fired) {
            EXPECT_EQ(status, 0) << complaint;
            break;
        }
    }
    zcad::setOutputSink(std::move(previous));
    zcad::test::resetHost();
}

}  // namespace
