// The UT and UP readers: names, the size checks in their order, the point
// numbers, and the records the prescan refuses or passes over.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "files/byte_order.h"
#include "files/decode_ahead.h"
#include "triangle_fixture.h"
#include "triangles/triangle_model.h"
#include "triangles/ut_name.h"

namespace {

using namespace tritest;

std::string upBytes(std::size_t size) {
    std::string bytes(size, '\0');
    // Each coordinate is its own byte offset.
    for (std::size_t at = 72; at + 8 <= size; at += 8) zafiles::storeF64LE(bytes.data() + at, static_cast<double>(at));
    return bytes;
}

std::string utBytes(const std::vector<UTTriangle>& records) {
    std::string bytes(records.size() * kUTRecordSize, '\0');
    for (std::size_t i = 0; i < records.size(); ++i) encodeUTTriangle(records[i], bytes.data() + i * kUTRecordSize);
    return bytes;
}

std::unique_ptr<zafiles::ByteSource> memory(const std::string& bytes) { return zafiles::memorySource(bytes); }

// A source that claims more bytes than it holds: a file cut while read.
class CutSource final : public zafiles::ByteSource {
public:
    CutSource(std::string bytes, std::uint64_t claimed) : bytes_(std::move(bytes)), claimed_(claimed) {}
    std::optional<std::uint64_t> size() override {
        at_ = 0;
        return claimed_;
    }
    std::size_t read(std::span<char> out) override {
        const std::size_t n = std::min(out.size(), bytes_.size() - at_);
        std::memcpy(out.data(), bytes_.data() + at_, n);
        at_ += n;
        return n;
    }

private:
    std::string bytes_;
    std::uint64_t claimed_;
    std::size_t at_ = 0;
};

TEST(TriangleNames, NeedTwelveCharactersAndAUTExtensionAndGiveTheUPBeside) {
    EXPECT_FALSE(isUTPath("C:\\J\\A.utx"));  // 10 characters
    EXPECT_TRUE(isUTPath("/jobs/ab.utx"));
    EXPECT_TRUE(isUTPath("C:\\JOBS\\ROAD.UTA"));
    EXPECT_FALSE(isUTPath("/jobs/road.urA"));
    EXPECT_FALSE(isUTPath("/jobs/roadutA"));
    EXPECT_EQ(upPathOf("C:\\JOBS\\ROAD.UTA"), "C:\\JOBS\\ROAD.UpA");
    EXPECT_EQ(upPathOf("/jobs/road.ut1"), "/jobs/road.up1");
}

TEST(TriangleModelSizes, UPNeedsWholeRecordsAndThreePoints) {
    TriangleModel model;
    ASSERT_TRUE(model.openPoints(memory(upBytes(144))));
    EXPECT_EQ(model.pointCount(), 3);
    ASSERT_TRUE(model.readPoints());
    // The first point is number 3, at byte 72.
    EXPECT_EQ(model.point(3)[0], 72.0);
    EXPECT_EQ(model.point(5)[2], 120.0 + 16.0);
    EXPECT_FALSE(model.hasPoint(2));
    EXPECT_FALSE(model.hasPoint(6));
    for (const std::size_t size : {143u, 120u, 0u}) {
        SCOPED_TRACE(size);
        TriangleModel refused;
        EXPECT_FALSE(refused.openPoints(memory(upBytes(size))));
        EXPECT_EQ(refused.fault(), UTFault::BadSizeUP);
    }
    TriangleModel none;
    EXPECT_FALSE(none.openPoints(std::unique_ptr<zafiles::ByteSource>()));
    EXPECT_EQ(none.fault(), UTFault::CannotOpenUP);
}

TEST(TriangleModelSizes, UTNeedsSevenWholeRecords) {
    const std::vector<UTTriangle> seven(7, garbage());
    TriangleModel model;
    ASSERT_TRUE(model.openTriangles(memory(utBytes(seven))));
    EXPECT_EQ(model.triangleCount(), 7);
    const std::string six = utBytes(std::vector<UTTriangle>(6, garbage()));  // 192 bytes: whole records, too few
    for (const std::string& bytes : {six, utBytes(seven) + "012345"}) {
        TriangleModel refused;
        EXPECT_FALSE(refused.openTriangles(memory(bytes)));
        EXPECT_EQ(refused.fault(), UTFault::BadSizeUT);
    }
}

// Read ahead on a second thread or not, a cut file is met where it ends.
TEST(TriangleModelSizes, AFileCutWhileReadIsAShortRead) {
    for (const bool ahead : {false, true}) {
        SCOPED_TRACE(ahead ? "read ahead" : "read in turn");
        zafiles::setDecodeAheadMinimumBytes(ahead ? 0 : std::numeric_limits<std::uint64_t>::max());
        TriangleModel points;
        ASSERT_TRUE(points.openPoints(std::make_unique<CutSource>(upBytes(168), 192)));
        EXPECT_FALSE(points.readPoints());
        EXPECT_EQ(points.fault(), UTFault::ShortUP);

        const std::string records = utBytes(std::vector<UTTriangle>(7, garbage()));
        TriangleModel prescanned;
        ASSERT_TRUE(prescanned.openTriangles(std::make_unique<CutSource>(records, records.size() + 32)));
        EXPECT_FALSE(prescanned.prescan(false, {}));
        EXPECT_EQ(prescanned.fault(), UTFault::ShortPrescan);

        TriangleModel drawn;
        ASSERT_TRUE(drawn.openTriangles(std::make_unique<CutSource>(records, records.size() + 32)));
        UTTriangle t;
        for (int i = 0; i < 7; ++i) ASSERT_TRUE(drawn.nextTriangle(t));
        EXPECT_FALSE(drawn.nextTriangle(t));
        EXPECT_EQ(drawn.fault(), UTFault::ShortUT);
    }
    zafiles::setDecodeAheadMinimumBytes(256 * 1024);
}

// A point that is no number would be drawn at the origin: the model is
// refused whether the points are read at once or one by one.
TEST(TriangleModelPoints, APointThatIsNoNumberIsRefused) {
    for (const double bad : {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity()}) {
        std::string bytes = upBytes(72 + 3 * 24);
        zafiles::storeF64LE(bytes.data() + 72 + 24 + 16, bad);  // the second point's z
        TriangleModel table;
        ASSERT_TRUE(table.openPoints(memory(bytes)));
        EXPECT_FALSE(table.readPoints());
        EXPECT_EQ(table.fault(), UTFault::PointNotNumber);

        TriangleModel passed;
        ASSERT_TRUE(passed.openPoints(memory(bytes)));
        ZaPoint point;
        EXPECT_TRUE(passed.nextPoint(point));
        EXPECT_FALSE(passed.nextPoint(point));
        EXPECT_EQ(passed.fault(), UTFault::PointNotNumber);
    }
}

class Prescan : public ::testing::Test {
protected:
    // Points 3 to 6; the records given, padded with garbage to seven.
    bool prescan(std::vector<UTTriangle> records, bool neighbours) {
        while (records.size() < 7) records.push_back(garbage());
        utBytes_ = utBytes(records);
        upBytes_ = upBytes(72 + 4 * 24);
        TriangleModel& model = model_.emplace();
        EXPECT_TRUE(model.openPoints(memory(upBytes_)));
        EXPECT_TRUE(model.openTriangles(memory(utBytes_)));
        return model.prescan(neighbours, [this](std::int64_t t, const UTTriangle&) { seen_.push_back(t); });
    }
    TriangleModel& model() { return *model_; }
    std::string utBytes_;
    std::string upBytes_;
    std::optional<TriangleModel> model_;
    std::vector<std::int64_t> seen_;
};

TEST_F(Prescan, CountsActiveRecordsAndPassesOverInactiveGarbage) {
    ASSERT_TRUE(prescan({garbage(), tri(3, 4, 5), garbage(), tri(6, 5, 4)}, true));
    EXPECT_EQ(model().activeCount(), 2);
    EXPECT_EQ(seen_.size(), 7u);
    // It starts again at the first record.
    UTTriangle t;
    ASSERT_TRUE(model().nextTriangle(t));
    EXPECT_FALSE(t.active());
    ASSERT_TRUE(model().nextTriangle(t));
    EXPECT_EQ(t.vertices, (std::array<std::int32_t, 3>{3, 4, 5}));
}

TEST_F(Prescan, RefusesAVertexOutsideThePoints) {
    for (const std::int32_t bad : {2, 7, -1}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(prescan({tri(3, 4, 5), tri(4, bad, 5)}, false));
        EXPECT_EQ(model().fault(), UTFault::BadVertex);
    }
    EXPECT_TRUE(prescan({tri(3, 4, 6)}, false));  // 6 is the last point
}

TEST_F(Prescan, RefusesANeighbourOutsideTheFileOnlyAcrossAnEdgeThatIsNotBoundary) {
    EXPECT_TRUE(prescan({tri(3, 4, 5, {-1, 7, 1 << 30}, {8, 32, 40})}, true));
    EXPECT_TRUE(prescan({tri(3, 4, 5, {6, 0, 2}, {0, 0, 0})}, true));
    for (const std::int32_t bad : {-1, 7, 123456}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(prescan({tri(3, 4, 5, {0, bad, 0}, {0, 1, 0})}, true));
        EXPECT_EQ(model().fault(), UTFault::BadNeighbour);
        // The mesh does not read neighbours.
        EXPECT_TRUE(prescan({tri(3, 4, 5, {0, bad, 0}, {0, 1, 0})}, false));
    }
}

}  // namespace
