// A drawing read on several threads is the drawing read on one: the same
// entities, handles, order, repairs and saved text, wherever the file is
// cut into ranges.
#include <gtest/gtest.h>

#include <random>

#include "dxf/dxf_parallel.h"
#include "dxf_test_support.h"
#include "zcad/same_drawing.h"

namespace {

using namespace dxftest;

struct Readers {
    Readers(unsigned threads, std::size_t rangeBytes) { zcad::dxf::setDxfReaders(threads, rangeBytes); }
    ~Readers() { zcad::dxf::setDxfReaders(0, 0); }
};

std::unique_ptr<zcad::Database> load(const std::string& text, unsigned threads, std::size_t rangeBytes,
                                     std::string& error) {
    const Readers readers(threads, rangeBytes);
    return zcad::readDxfText(text, error);
}

// Empty when the two reads agree; else what differs first.
std::string difference(const zcad::Database& one, const zcad::Database& many) {
    const std::string values = zcad::test::firstDifference(one, many);
    if (!values.empty()) return values;
    if (one.entityCount() != many.entityCount()) return "entity count";
    for (zcad::EntityId id = 0; id < one.entityCount(); ++id) {
        if (one.handle(id) != many.handle(id)) return "handle of entity " + std::to_string(id);
    }
    if (one.handleSeed() != many.handleSeed()) return "handle seed";
    if (zcad::dxfRepairs(one) != zcad::dxfRepairs(many)) return "repairs";
    if (zcad::writeDxfText(one, nullptr) != zcad::writeDxfText(many, nullptr)) return "saved text";
    return {};
}

// Checks the read of `text` cut every `step` bytes for every step in
// [1, most]; the one-thread read must succeed, or both fail alike.
void expectSameAtEveryCut(const std::string& text, std::size_t most, const char* what) {
    std::string oneError;
    const auto one = load(text, 1, 0, oneError);
    for (std::size_t step = 1; step <= most; ++step) {
        std::string error;
        const auto many = load(text, 3, step, error);
        if (!one) {
            EXPECT_FALSE(many) << what << ", ranges of " << step;
            EXPECT_EQ(error, oneError) << what << ", ranges of " << step;
            continue;
        }
        ASSERT_TRUE(many) << what << ", ranges of " << step << ": " << error;
        const std::string diff = difference(*one, *many);
        ASSERT_TRUE(diff.empty()) << what << ", ranges of " << step << ": " << diff;
    }
}

std::string header(const char* release) {
    return std::string("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\n") + release +
           "\n  9\n$INSBASE\n 10\n0.0\n 20\n0.0\n 30\n0.0\n  9\n$ANGBASE\n 50\n0\n  0\nENDSEC\n";
}

std::string tables() {
    return "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLAYER\n  5\n2\n 70\n1\n  0\nLAYER\n  5\n10\n  2\n0\n 70\n"
           "0\n 62\n7\n  6\nCONTINUOUS\n  0\nENDTAB\n  0\nENDSEC\n";
}

std::string blocks() {
    return "  0\nSECTION\n  2\nBLOCKS\n  0\nBLOCK\n  5\n20\n  8\n0\n  2\nB\n 70\n0\n 10\n0\n 20\n0\n 30\n0\n"
           "  0\nLINE\n  5\n21\n  8\n0\n 10\n0\n 20\n0\n 30\n0\n 11\n1\n 21\n1\n 31\n0\n  0\nENDBLK\n  5\n22\n"
           "  8\n0\n  0\nENDSEC\n";
}

// Entities of every shape the ranges must not trip over: values "0" on a
// line of their own, text that reads like a code, angles whose degrees
// the radians do not give back, paper space with followers, xdata.
std::string entities(std::mt19937& random, int count, bool handles) {
    std::uniform_real_distribution<double> real(-1e6, 1e6);
    std::uniform_real_distribution<double> angle(0, 360);
    std::string out = "  0\nSECTION\n  2\nENTITIES\n";
    std::uint64_t handle = 0x100;
    const auto number = [&](double v) {
        char text[40];
        std::snprintf(text, sizeof text, "%.17g", v);
        return std::string(text);
    };
    const auto start = [&](const char* type) {
        out += std::string("  0\n") + type + "\n";
        if (handles) {
            char text[20];
            std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(handle++));
            out += std::string("  5\n") + text + "\n";
        }
        out += "  8\n0\n";
    };
    for (int i = 0; i < count; ++i) {
        switch (random() % 6) {
        case 0:
            start("LINE");
            out += " 10\n" + number(real(random)) + "\n 20\n" + number(real(random)) + "\n 30\n0\n 11\n0\n 21\n0\n";
            break;
        case 1:
            start("ARC");
            out += " 10\n1\n 20\n2\n 40\n3\n 50\n" + number(angle(random)) + "\n 51\n" + number(angle(random)) + "\n";
            break;
        case 2:
            start("TEXT");
            out += " 10\n0\n 20\n0\n 40\n1\n  1\n0\n 50\n29.999999999999996\n";
            break;
        case 3:
            start("LWPOLYLINE");
            out += " 90\n2\n 70\n0\n 10\n0\n 20\n0\n 10\n1\n 20\n1\n";
            break;
        case 4:
            start("POLYLINE");
            out += " 67\n1\n 66\n1\n 10\n0\n 20\n0\n 30\n0\n";
            start("VERTEX");
            out += " 67\n1\n 10\n1\n 20\n1\n 30\n0\n";
            start("SEQEND");
            out += " 67\n1\n";
            break;
        default:
            start("CIRCLE");
            out += " 10\n0\n 20\n0\n 30\n0\n 40\n0\n1001\nAPP\n1000\n0\n1040\n0\n";
            break;
        }
    }
    return out + "  0\nENDSEC\n";
}

std::string drawing(std::mt19937& random, int count, const char* release = "AC1015") {
    const bool handles = std::string(release) != "AC1009";
    return header(release) + tables() + blocks() + entities(random, count, handles) + "  0\nEOF\n";
}

std::string crlf(const std::string& text) {
    std::string out;
    for (const char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

TEST(DxfParallelRead, EveryCutReadsAsOneThread) {
    std::mt19937 random(25);
    const std::string text = drawing(random, 40);
    expectSameAtEveryCut(text, 400, "R2000");
    expectSameAtEveryCut(crlf(text), 120, "R2000 with CR LF");
    // Only lines inside lines end in CR LF: the file is saved with CR LF.
    std::string mixed = text;
    for (std::size_t at = mixed.find("ENTITIES"); (at = mixed.find("\n 11\n", at)) != std::string::npos; ++at) {
        mixed.replace(at, 5, "\n 11\r\n");
    }
    expectSameAtEveryCut(mixed, 120, "R2000 with CR LF inside lines only");
    expectSameAtEveryCut(drawing(random, 30, "AC1009"), 200, "R12 without handles");
    // Ranges larger than some entities and smaller than others.
    expectSameAtEveryCut(drawing(random, 300), 3, "R2000, a few hundred entities");
}

TEST(DxfParallelRead, RepairsAreReportedAsOneThreadReportsThem) {
    std::mt19937 random(7);
    std::string text = drawing(random, 20);
    // An empty handle, a 16-bit value written unsigned, point groups out
    // of order and a missing EOF, each in the entities the ranges split.
    const std::size_t at = text.find("  0\nENDSEC\n", text.find("ENTITIES"));
    text.insert(at, "  0\nLINE\n  5\n\n  8\n0\n 62\n65535\n 10\n1\n 11\n2\n 20\n3\n 21\n4\n"
                    "  0\nLINE\n  5\n\n  8\n0\n 10\n1\n 20\n1\n 11\n2\n 21\n2\n");
    text.erase(text.rfind("  0\nEOF\n"));
    std::string error;
    const auto one = load(text, 1, 0, error);
    ASSERT_TRUE(one) << error;
    ASSERT_GE(zcad::dxfRepairs(*one).size(), 3u);
    expectSameAtEveryCut(text, 300, "repaired");
}

TEST(DxfParallelRead, RefusedDrawingsAreRefusedWithTheSameLine) {
    std::mt19937 random(3);
    const std::string text = drawing(random, 20);
    const std::size_t at = text.find("  0\nENDSEC\n", text.find("ENTITIES"));
    std::string badColour = text;
    badColour.insert(at, "  0\nLINE\n  8\n0\n 62\n256QSW\n");
    expectSameAtEveryCut(badColour, 150, "a colour that is no number");
    std::string badVertices = text;
    badVertices.insert(at, "  0\nLWPOLYLINE\n  8\n0\n 90\n3\n 10\n0\n 20\n0\n");
    expectSameAtEveryCut(badVertices, 150, "a polyline short of its vertices");
    expectSameAtEveryCut(text.substr(0, text.size() - 300), 150, "a cut file");
}

TEST(DxfParallelRead, LargeDrawingIsSplitAndReadsAsOneThread) {
    std::mt19937 random(11);
    const std::string text = drawing(random, 20000);
    std::string error;
    const auto one = load(text, 1, 0, error);
    ASSERT_TRUE(one) << error;
    for (const std::size_t range : {std::size_t{4096}, std::size_t{65536}, text.size() / 3}) {
        const auto many = load(text, 4, range, error);
        ASSERT_TRUE(many) << error;
        EXPECT_EQ(difference(*one, *many), "") << "ranges of " << range;
    }
}

TEST(DxfParallelRead, SamplesReadAsOneThread) {
    std::filesystem::path dir;
    for (const char* up : {"/../shared/dxf-samples", "/../../shared/dxf-samples"}) {
        if (std::filesystem::is_directory(std::string(ZCAD_SOURCE_DIR) + up)) dir = std::string(ZCAD_SOURCE_DIR) + up;
    }
    if (dir.empty()) GTEST_SKIP() << "no ../shared/dxf-samples beside the repository";
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".dxf") continue;
        const std::string text = readFile(entry.path());
        std::string oneError;
        const auto one = load(text, 1, 0, oneError);
        for (const std::size_t range : {std::size_t{97}, std::size_t{1000}, text.size() / 5 + 1}) {
            std::string error;
            const auto many = load(text, 3, range, error);
            if (!one) {
                EXPECT_EQ(error, oneError) << entry.path();
                continue;
            }
            ASSERT_TRUE(many) << entry.path() << ": " << error;
            EXPECT_EQ(difference(*one, *many), "") << entry.path() << ", ranges of " << range;
        }
        ++compared;
    }
    EXPECT_GT(compared, 0);
}

TEST(DxfParallelRead, FuzzSeedsReadAsOneThread) {
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(ZCAD_SOURCE_DIR) + "/fuzz/dxf/corpus")) {
        const std::string text = readFile(entry.path());
        expectSameAtEveryCut(text, std::min<std::size_t>(text.size(), 64), entry.path().filename().c_str());
        ++compared;
    }
    EXPECT_GT(compared, 0);
}

}  // namespace

namespace {

// The reader would fall back to one thread for everything, and still be
// right, if no range ever gave it an entity.
TEST(DxfParallelRead, RangesGiveTheReaderTheirEntities) {
    std::mt19937 random(5);
    const std::string text = drawing(random, 2000);
    for (const std::size_t range : {std::size_t{1}, std::size_t{333}, std::size_t{8192}}) {
        zcad::dxf::ParallelEntities ranges(text, zcad::dxf::TextEncoding::Utf8, 2, range);
        std::size_t lines = 0;
        std::size_t given = 0;
        for (std::size_t at = text.find("ENTITIES"); (at = text.find("  0\nLINE\n", at)) != std::string::npos; ++at) {
            ++lines;
            const zcad::dxf::PreparedEntity* entity = ranges.find(text.data() + at + 4);
            if (!entity) continue;
            ++given;
            EXPECT_EQ(std::string_view(entity->next.data() - 4, 4), "  0\n");
        }
        EXPECT_GT(lines, 100u);
        EXPECT_EQ(given, lines) << "ranges of " << range;
        EXPECT_EQ(ranges.rescanned(), 0u) << "ranges of " << range;
    }
}

}  // namespace
