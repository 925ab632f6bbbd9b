// Other independent readers open what zcad writes, where they are installed.
#include <gtest/gtest.h>

#include "dxf_test_support.h"

namespace {

using namespace dxftest;

bool installed(const char* program) {
    int status = 0;
    run(std::string("command -v ") + program, status);
    return status == 0;
}

std::string written(zcad::DxfVersion version) {
    zcad::Database db;
    db.append(list({{0, "LINE"}, {8, "0"}, {10, 0.0, 0.0, 0.0}, {11, 10.0, 5.0, 0.0}}));
    db.append(list({{0, "CIRCLE"}, {8, "0"}, {10, 3.0, 3.0, 0.0}, {40, 1.5}}));
    db.append(list({{0, "TEXT"}, {8, "0"}, {10, 1.0, 1.0, 0.0}, {40, 1.0}, {1, "Level 12.5"}}));
    const auto path = scratchDir() / (std::string("readers_") + zcad::dxfVersionName(version) + ".dxf");
    std::string error;
    EXPECT_TRUE(zcad::writeDxf(path.string(), db, &version, error)) << error;
    return path.string();
}

class OtherReaders : public ::testing::TestWithParam<zcad::DxfVersion> {};

TEST_P(OtherReaders, LibreCadConvertsToPdf) {
    if (!installed("dxf2pdf")) GTEST_SKIP() << "LibreCAD's dxf2pdf is not installed";
    const std::string path = written(GetParam());
    int status = 0;
    const std::string pdf = path + ".pdf";
    const std::string output = run("dxf2pdf -o " + pdf + " " + path, status);
    EXPECT_EQ(status, 0) << output;
    EXPECT_TRUE(std::filesystem::exists(pdf)) << output;
}

TEST_P(OtherReaders, GdalListsTheEntities) {
    if (!installed("ogrinfo")) GTEST_SKIP() << "GDAL's ogrinfo is not installed";
    int status = 0;
    const std::string output = run("ogrinfo -al -so " + written(GetParam()), status);
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find("Feature Count: 3"), std::string::npos) << output;
}

INSTANTIATE_TEST_SUITE_P(Releases, OtherReaders, ::testing::Values(zcad::DxfVersion::R12, zcad::DxfVersion::R2000),
                         [](const auto& info) { return std::string(zcad::dxfVersionName(info.param)); });

}  // namespace
