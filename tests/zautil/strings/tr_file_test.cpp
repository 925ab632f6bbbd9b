#include <array>
#include <string>
#include <vector>

#include "string_files.h"
#include "strings/tr_format.h"
#include "strings/tr_reader.h"
#include "strings/tr_writer.h"

using namespace zastrings;

namespace {

const std::string kData1 = "     1     0       1.0000       2.0000    3.0000 RD   ONE\n";
const std::string kData2 = "     1     1       4.0000       5.0000    6.0000 RD   TWO\r\n";
const std::string kLone = "     0     2       7.0000       8.0000    9.0000 MH   \n";

struct Read {
    bool opened = false;
    std::vector<StringRecord> records;
    std::int64_t good = 0;
    std::int64_t bad = 0;
    TRFault fault = TRFault::None;
};

Read readWith(TRReader& reader, bool opened) {
    Read result;
    result.opened = opened;
    StringRecord record;
    while (reader.next(record)) result.records.push_back(record);
    result.good = reader.goodLines();
    result.bad = reader.badLines();
    result.fault = reader.fault();
    return result;
}

Read readFile(const std::string& file) {
    TRReader reader;
    const bool opened = reader.open(file);
    return readWith(reader, opened);
}

Read readBytes(const std::string& bytes) {
    TRReader reader;
    const bool opened = reader.open(zafiles::memorySource(std::span<const char>(bytes.data(), bytes.size())));
    return readWith(reader, opened);
}

}  // namespace

using TRFileTest = StringFileTest;

TEST_F(TRFileTest, ReadsFromTheFirstLineWhenItIsData) {
    const auto file = write("a.tr1", kData1 + kData2 + kLone);
    const auto read = readFile(file);
    ASSERT_TRUE(read.opened);
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[0].x, 1.0);
    EXPECT_EQ(read.records[0].text.view(), "RD  ONE");
    EXPECT_EQ(read.records[1].z, 6.0);
    EXPECT_EQ(read.records[1].text.view(), "RD  TWO");  // its CR is not part of the notes
    EXPECT_EQ(read.records[2].stringNumber, 0);
    EXPECT_EQ(read.good, 3);
    EXPECT_EQ(read.bad, 0);
    EXPECT_EQ(output_, "") << "the reader tells nobody anything";
}

TEST_F(TRFileTest, SkipsTheHeaderAndCountsOtherTextLinesAsBad) {
    const std::string body = std::string(kTRHeaderLine) + kData1 + "\n# a comment\r\n" + std::string(kTRHeaderLine) +
                             "    -1     0       1.0000       2.0000    3.0000 RD\n" + kData2 +
                             "     1     2      10.0000      11.0000   12.0000 RD   END";  // no line end
    const auto read = readFile(write("b.tr1", body));
    ASSERT_TRUE(read.opened);
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[2].z, 12.0);
    EXPECT_EQ(read.records[2].text.view(), "RD  END");
    EXPECT_EQ(read.good, 3);
    EXPECT_EQ(read.bad, 4);
}

TEST_F(TRFileTest, ALineThatGivesNoWholePointIsBadNotAPointAtTheOrigin) {
    const struct {
        const char* name;
        std::string line;
    } bad[] = {
        {"text after a header", "second text line\n"},
        {"string number column blank", "      7     0       1.0000       2.0000    3.0000 RD\n"},
        {"x column blank", "     1     0                    2.0000    3.0000 RD\n"},
        {"y column short", "     1     0       1.0000       2.00\n"},
        {"only its first columns", "     5     1\n"},
        {"x not a number", "     1     0          nan       2.0000    3.0000 RD\n"},
        {"y too large for a double", "     1     0       1.0000        1e999    3.0000 RD\n"},
        {"z infinite", "     1     0       1.0000       2.0000       inf RD\n"},
        {"cut by the end of the file in z", "     1     0       1.0000       2.0000    3.0"},
        {"cut by the end of the file in x", "     1     0       1."},
    };
    for (const auto& c : bad) {
        SCOPED_TRACE(c.name);
        const auto read = readFile(write("bad.tr1", std::string(kTRHeaderLine) + kData1 + c.line));
        ASSERT_TRUE(read.opened);
        ASSERT_EQ(read.records.size(), 1u);
        EXPECT_EQ(read.records[0].x, 1.0);
        EXPECT_EQ(read.good, 1);
        EXPECT_EQ(read.bad, 1);
    }
    // The line after a header is tested like any other: no point at 0,0.
    const auto afterHeader = readFile(write("c.tr1", "first text\nsecond text line\n" + kData1));
    ASSERT_EQ(afterHeader.records.size(), 1u);
    EXPECT_EQ(afterHeader.records[0].x, 1.0);
    EXPECT_EQ(afterHeader.bad, 1);

    // Hand-made lines that stop after y, or after z at the end of the file,
    // still give their points.
    const auto plain = readFile(write("e.tr1", "     1     0       1.0000       2.0000\n"
                                               "     1     1       4.0000       5.0000    6.0000"));
    ASSERT_EQ(plain.records.size(), 2u);
    EXPECT_EQ(plain.records[0].z, 0.0);
    EXPECT_EQ(plain.records[1].z, 6.0);
    EXPECT_EQ(plain.bad, 0);
}

TEST_F(TRFileTest, AWrittenFileCutAnywhereGivesOnlyItsOwnPoints) {
    TRWriter writer;
    ASSERT_TRUE(writer.open(path("whole.tr1")));
    ASSERT_TRUE(writer.WriteTRHeader());
    std::vector<std::array<double, 3>> written;
    for (int i = 0; i < 6; ++i) {
        written.push_back({5000.0 + i * 1.25, -30.5 - i, 12.0 + i});
        ASSERT_TRUE(writer.PutTRRecord(5, i, written.back(), i % 2 ? "RD  kerb line" : "KB"));
    }
    ASSERT_TRUE(writer.close());
    const std::string whole = read(path("whole.tr1"));
    for (std::size_t size = 0; size <= whole.size(); ++size) {
        SCOPED_TRACE(size);
        const auto read = readBytes(whole.substr(0, size));
        ASSERT_LE(read.records.size(), written.size());
        for (std::size_t i = 0; i < read.records.size(); ++i) {
            EXPECT_EQ(read.records[i].stringNumber, 5);
            EXPECT_EQ(read.records[i].x, written[i][0]);
            EXPECT_EQ(read.records[i].y, written[i][1]);
            EXPECT_EQ(read.records[i].z, written[i][2]);
        }
        EXPECT_LE(read.bad, 1);
    }
}

TEST_F(TRFileTest, RandomBytesGiveNoPoint) {
    std::string bytes(20000, '\0');
    std::uint32_t state = 2463534242u;
    for (char& c : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        c = static_cast<char>(state);
    }
    const auto read = readFile(write("random.tr1", bytes));
    EXPECT_TRUE(read.records.empty());
    EXPECT_EQ(read.good, 0);
    EXPECT_GT(read.bad, 0);
}

TEST_F(TRFileTest, RefusesFilesWithoutARecordSayingWhy) {
    const struct {
        const char* name;
        std::string bytes;
        TRFault fault;
    } cases[] = {
        {"empty", "", TRFault::NoHeader},
        {"header only", std::string(kTRHeaderLine), TRFault::NoFirstRecord},
        {"blank line only", "\n", TRFault::NoFirstRecord},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = readFile(write("bad.tr1", c.bytes));
        EXPECT_FALSE(read.opened);
        EXPECT_TRUE(read.records.empty());
        EXPECT_EQ(read.fault, c.fault);
    }
    EXPECT_EQ(readFile(path("missing.tr1")).fault, TRFault::CannotOpen);
    EXPECT_EQ(output_, "");
}

TEST_F(TRFileTest, AnOverlongLineIsOneBadLineNotSeveral) {
    // Its tail would pass for a data line if it were taken as a line of its own.
    const std::string longLine = "# " + std::string(298, 'x') + "     7     0       1.0000       2.0000    3.0000 X\n";
    const auto read = readFile(write("d.tr1", kData1 + longLine + kData2));
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.bad, 1);
}

TEST_F(TRFileTest, WrittenFilesEndLinesWithCRLFAndReadBack) {
    TRWriter writer;
    ASSERT_TRUE(writer.open(path("w.tr1")));
    ASSERT_TRUE(writer.WriteTRHeader());
    const double a[3] = {300000.1234, 6200000.5678, 45.25};
    const double b[3] = {-12.5, -0.0001, -99.0};
    ASSERT_TRUE(writer.PutTRRecord(123456, 0, a, "ROADS_AND_KERBS_0123XYZ"));
    ASSERT_TRUE(writer.PutTRRecord(0, 1, b, "MH"));
    ASSERT_TRUE(writer.close());

    const std::string bytes = read(path("w.tr1"));
    EXPECT_EQ(bytes, std::string(kTRHeaderLine) +
                         "123456     0  300000.1234 6200000.5678   45.2500 ROAD S_AND_KERBS_0123\r\n"
                         "     0     1     -12.5000      -0.0001  -99.0000 MH   \r\n");

    const auto back = readFile(path("w.tr1"));
    ASSERT_EQ(back.records.size(), 2u);
    EXPECT_EQ(back.records[0].stringNumber, 123456);
    EXPECT_EQ(back.records[0].x, 300000.1234);
    EXPECT_EQ(back.records[0].y, 6200000.5678);
    EXPECT_EQ(back.records[0].text.view(), "ROADS_AND_KERBS_");  // 12 notes read back
    EXPECT_EQ(back.records[1].text.view(), "MH  ");
    EXPECT_EQ(back.bad, 0);
}

TEST_F(TRFileTest, WriterReportsFailedOpensAndWrites) {
    TRWriter missing;
    EXPECT_FALSE(missing.open(path("no/such/dir/a.tr1")));
    EXPECT_EQ(missing.lastError(), "Cannot open output file");

    TRWriter full;
    ASSERT_TRUE(full.open("/dev/full"));
    const double point[3] = {0, 0, 0};
    bool allPut = full.WriteTRHeader();
    for (int i = 0; i < 10; ++i) allPut = full.PutTRRecord(0, i, point, "RD") && allPut;
    EXPECT_FALSE(allPut && full.close());
    EXPECT_EQ(full.lastError(), "Cannot write TR file");
    EXPECT_NE(full.failureReason().find("No space left on device"), std::string::npos);
}

TEST_F(TRFileTest, WriterNeverWritesALineThatReadsBackWrong) {
    TRWriter writer;
    ASSERT_TRUE(writer.open(path("fixed.tr1")));
    ASSERT_TRUE(writer.WriteTRHeader());
    const double near[3] = {99999999.9999, -9999999.9999, 99999.9999};
    // The point number counts on within its six columns.
    ASSERT_TRUE(writer.PutTRRecord(999999, 1234567, near, "RD"));
    const std::pair<std::int32_t, std::array<double, 3>> refused[] = {
        {1000000, {0, 0, 0}}, {-1, {0, 0, 0}},           {1, {1e8, 0, 0}},
        {1, {0, -1e7, 0}},    {1, {0, 0, 100000}},       {1, {0, 0, -10000}},
    };
    for (const auto& [string, xyz] : refused) EXPECT_FALSE(writer.PutTRRecord(string, 0, xyz, "RD"));
    EXPECT_FALSE(writer.PutTRRecord(1, 0, near, "RD  line\nbreak"));
    EXPECT_EQ(writer.lastError(), "Line end in the text of a TR point");
    ASSERT_TRUE(writer.close());

    EXPECT_EQ(read(path("fixed.tr1")),
              std::string(kTRHeaderLine) + "99999923456799999999.9999-9999999.999999999.9999 RD   \r\n");
    const auto back = readFile(path("fixed.tr1"));
    ASSERT_EQ(back.records.size(), 1u);
    EXPECT_EQ(back.records[0].stringNumber, 999999);
    EXPECT_EQ(back.records[0].x, 99999999.9999);
    EXPECT_EQ(back.records[0].y, -9999999.9999);
    EXPECT_EQ(back.records[0].z, 99999.9999);
    EXPECT_EQ(back.records[0].text.view(), "RD  ");

    TRWriter wide;
    ASSERT_TRUE(wide.open(path("wide.tr1")));
    EXPECT_FALSE(wide.PutTRRecord(1000000, 0, near, "RD"));
    EXPECT_EQ(wide.lastError(), "String number too large for a TR file");
    EXPECT_FALSE(wide.PutTRRecord(1, 0, std::array<double, 3>{1e300, 0, 0}, "RD"));
    EXPECT_EQ(wide.lastError(), "Coordinate too wide for its TR column");
}
