// Drawings written by other programs, and generated ones: each one we
// read saves without losing a record or changing a value, and every
// pointer still leads to its object.
#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <random>
#include <set>

#include "dxf_test_support.h"
#include "zcad/same_drawing.h"
#include "zcad/text.h"

namespace {

using namespace dxftest;

std::filesystem::path samples() {
    for (const char* up : {"/../shared/dxf-samples", "/../../shared/dxf-samples"}) {
        const std::filesystem::path dir = std::string(ZCAD_SOURCE_DIR) + up;
        if (std::filesystem::is_directory(dir)) return dir;
    }
    return {};
}

struct Pointers {
    std::set<std::string> handles;
    std::set<std::string> targets;  // of 330, 340-349 and 360-369
};

Pointers pointersOf(const std::string& text) {
    Pointers out;
    std::istringstream in(text);
    std::string code, value;
    while (std::getline(in, code) && std::getline(in, value)) {
        if (!value.empty() && value.back() == '\r') value.pop_back();
        const int c = std::atoi(code.c_str());
        const std::string v(zcad::trimmed(value));
        if (c == 5 || c == 105) out.handles.insert(v);
        if ((c == 330 || (c >= 340 && c <= 349) || (c >= 360 && c <= 369)) && v != "0") out.targets.insert(v);
    }
    return out;
}

TEST(DxfSamples, EveryDrawingReadSavesWithItsValuesAndPointers) {
    const auto dir = samples();
    if (dir.empty()) GTEST_SKIP() << "no ../shared/dxf-samples beside the repository";
    int read = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".dxf") continue;
        const std::string name = entry.path().filename().string();
        const std::string source = readFile(entry.path());
        std::string error;
        const auto db = zcad::readDxfText(source, error);
        if (!db) continue;
        ++read;
        const std::string saved = zcad::writeDxfText(*db, nullptr);
        const auto again = zcad::readDxfText(saved, error);
        ASSERT_TRUE(again) << name << ": " << error;
        EXPECT_EQ(zcad::test::firstDifference(*db, *again), "") << name;
        EXPECT_EQ(zcad::writeDxfText(*again, nullptr), saved) << name;
        // In another release it reads back clean; from R2000 on with the same values.
        for (const auto release : {zcad::DxfVersion::R12, zcad::DxfVersion::R2018}) {
            const auto converted = zcad::readDxfText(zcad::writeDxfText(*db, &release), error);
            ASSERT_TRUE(converted) << name << " as " << zcad::dxfVersionName(release) << ": " << error;
            EXPECT_EQ(zcad::dxfRepairs(*converted), std::vector<std::string>()) << name;
            // Subclass markers tell a drawing read from R2000 on; one from R12 gains records going up.
            const bool later = saved.find("\n100\n") != std::string::npos;
            if (release != zcad::DxfVersion::R12 && later) {
                EXPECT_EQ(zcad::test::firstDifference(*db, *converted), "") << name << " as R2018";
            }
        }
        if (source.rfind("AutoCAD Binary DXF", 0) == 0) continue;
        const Pointers before = pointersOf(source);
        const Pointers after = pointersOf(saved);
        for (const auto& target : before.targets) {
            if (!before.handles.count(target)) continue;
            EXPECT_TRUE(after.handles.count(target)) << name << ": nothing has handle " << target << " after a save";
        }
    }
    EXPECT_GT(read, 30);
}

}  // namespace

namespace {

// Every angle group of every entity type that has them, and a style's
// oblique angle, in R12 and R2000 files.
std::string drawingWithAngles(const std::vector<double>& values, const char* acadver) {
    std::string text = std::string("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\n") + acadver + "\n0\nENDSEC\n";
    char number[40];
    std::size_t next = 0;
    const auto value = [&] {
        std::snprintf(number, sizeof number, "%.17g", values[next++ % values.size()]);
        return std::string(number);
    };
    text += "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nSTYLE\n70\n1\n0\nSTYLE\n2\nSLANT\n70\n0\n50\n" + value() +
            "\n0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
    const char* types[] = {"TEXT", "ATTRIB", "ATTDEF", "ARC", "INSERT", "SHAPE", "DIMENSION", "POINT", "MTEXT"};
    while (next < values.size()) {
        for (const char* type : types) {
            text += std::string("0\n") + type + "\n8\n0\n10\n1.0\n20\n2.0\n30\n0.0\n";
            for (int code = 50; code <= 53; ++code) {
                if (zcad::isAngleGroup(type, code)) text += std::to_string(code) + "\n" + value() + "\n";
            }
        }
    }
    return text + "0\nENDSEC\n0\nEOF\n";
}

std::vector<double> anglesIn(const std::string& text) {
    std::vector<double> out;
    std::istringstream in(text);
    std::string code, value;
    while (std::getline(in, code) && std::getline(in, value)) {
        const int c = std::atoi(code.c_str());
        if (c >= 50 && c <= 53) out.push_back(std::strtod(value.c_str(), nullptr));
    }
    return out;
}

TEST(DxfValues, AnglesReadBackAsTheFileGaveThem) {
    std::mt19937_64 random(25);
    std::uniform_real_distribution<double> turn(-720.0, 720.0);
    std::uniform_int_distribution<std::uint64_t> bits;
    // Degrees the shortest spelling of their radians does not give back.
    std::vector<double> values = {251.79923973546667, 29.999999999999996, 45.5, -0.0, 1e-300};
    while (values.size() < 4000) {
        values.push_back(turn(random));
        // Any bits, with an exponent from about 1e-19 to 1e19.
        const std::uint64_t exponent = std::uint64_t{0x3C0 + bits(random) % 0x80} << 52;
        const double any = std::bit_cast<double>((bits(random) & ~(std::uint64_t{0x7FF} << 52)) | exponent);
        values.push_back(any);
    }
    for (const char* acadver : {"AC1009", "AC1015"}) {
        const std::string source = drawingWithAngles(values, acadver);
        std::string error;
        const auto db = zcad::readDxfText(source, error);
        ASSERT_TRUE(db) << error;
        const std::string saved = zcad::writeDxfText(*db, nullptr);
        const auto given = anglesIn(source);
        const auto back = anglesIn(saved);
        ASSERT_EQ(back.size(), given.size()) << acadver;
        int differ = 0;
        for (std::size_t i = 0; i < given.size(); ++i) {
            if (std::bit_cast<std::uint64_t>(given[i]) == std::bit_cast<std::uint64_t>(back[i])) continue;
            if (++differ < 5) ADD_FAILURE() << acadver << ": " << given[i] << " came back " << back[i];
        }
        EXPECT_EQ(differ, 0) << acadver;
    }
}

}  // namespace
