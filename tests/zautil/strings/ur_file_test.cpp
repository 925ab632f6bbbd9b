#include <bit>
#include <cstdint>
#include <limits>
#include <filesystem>
#include <string>
#include <vector>

#include "string_files.h"
#include "string_file_generator.h"
#include "strings/ur_reader.h"
#include "strings/ur_writer.h"

using namespace zastrings;

namespace {

// UR bytes built by hand, independently of the module's encoder.
std::string le32(std::uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i));
    return bytes;
}
std::string le64(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    return le32(static_cast<std::uint32_t>(bits)) + le32(static_cast<std::uint32_t>(bits >> 32));
}
std::string block(std::string content, char padding = '\0') {
    content.resize(52, ' ');
    return content + std::string(4, padding);
}
std::string header(std::int32_t count, const std::string& job = std::string("from ZARVO AutoCAD Interface") + '\0',
                   const std::string& run = "", char padding = '\0') {
    return block(std::string("Version 2.2 and over") + '\0', padding) +
           block(le32(static_cast<std::uint32_t>(count)), padding) + block(job, padding) + block(run, padding);
}
std::string record(std::int32_t string, std::int32_t point, double x, double y, double z, std::string text20,
                   char padding = '\0') {
    text20.resize(20, ' ');
    return block(le32(static_cast<std::uint32_t>(string)) + le32(static_cast<std::uint32_t>(point)) + le64(x) +
                     le64(y) + le64(z) + text20,
                 padding);
}

std::vector<StringRecord> readAll(URReader& reader, URRead& last) {
    std::vector<StringRecord> records;
    StringRecord record;
    while ((last = reader.next(record)) == URRead::Record) records.push_back(record);
    return records;
}

}  // namespace

using URFileTest = StringFileTest;

TEST_F(URFileTest, WriterLaysOutHeaderRecordsAndCount) {
    URWriter writer;
    ASSERT_TRUE(writer.open(path("a.ur1")));
    ASSERT_TRUE(writer.WriteURHeader());
    const double p1[3] = {1.5, -2.25, 100.125};
    const double p2[3] = {-0.0, 6200000.5, -99.0};
    ASSERT_TRUE(writer.PutURRecord(3, 0, p1, "RD"));
    ASSERT_TRUE(writer.PutURRecord(-7, 1, p2, "CODE0123456789ABCDEFGHIJ"));  // 24: cut to 20
    ASSERT_TRUE(writer.finish());
    EXPECT_EQ(writer.recordsWritten(), 2);

    const std::string expected = header(2) + record(3, 0, 1.5, -2.25, 100.125, "RD") +
                                 record(-7, 1, -0.0, 6200000.5, -99.0, "CODE0123456789ABCDEF");
    EXPECT_EQ(read(path("a.ur1")), expected);
}

TEST_F(URFileTest, WritingWhatWasReadGivesTheSameBytesAcrossManyBlocks) {
    std::string error;
    StringFileShape shape;
    shape.records = 10007;  // more than one read block, and not a whole number of them
    ASSERT_TRUE(generateURFile(path("first.ur1"), shape, error)) << error;
    // Extremes the format must carry.
    const double far[3] = {-1e300, std::numeric_limits<double>::denorm_min(), -0.0};
    URWriter extra;
    ASSERT_TRUE(extra.open(path("extra.ur1")) && extra.WriteURHeader() && extra.PutURRecord(INT32_MIN, -1, far, "") &&
                extra.finish());

    for (const char* name : {"first.ur1", "extra.ur1"}) {
        URReader reader;
        URWriter writer;
        ASSERT_TRUE(reader.open(path(name)));
        ASSERT_TRUE(writer.open(path("again.ur1")) && writer.WriteURHeader());
        StringRecord record;
        while (reader.next(record) == URRead::Record) ASSERT_TRUE(writer.PutURRecord(record));
        ASSERT_TRUE(writer.finish());
        EXPECT_EQ(writer.recordsWritten(), reader.recordCount());
        EXPECT_EQ(read(path("again.ur1")), read(path(name))) << name;
    }
    URReader sized;
    ASSERT_TRUE(sized.open(path("first.ur1")));
    ASSERT_TRUE(sized.size());
    EXPECT_EQ(sized.size()->bytes, 560616u);
    EXPECT_EQ(sized.size()->records, 10007);
    EXPECT_EQ(output_, "") << "the reader tells nobody anything";
}

TEST_F(URFileTest, AcceptsAnyJobRunAndPaddingAndEndsTextsAtNul) {
    const std::string file =
        write("two.ur1", header(2, "JOB  some job of the suite", "RUN 3", '\x7F') +
                             record(0, 9, 1, 2, 3, "ABCDEFGHIJKLMNOPQRST", '\xEE') +
                             record(0, 10, 1, 2, 3, std::string("AB\0CD", 5)));
    URReader reader;
    ASSERT_TRUE(reader.open(file));
    URRead last{};
    const auto records = readAll(reader, last);
    EXPECT_EQ(last, URRead::End);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].text.view(), "ABCDEFGHIJKLMNOPQRST");  // full, with no terminator in the file
    EXPECT_EQ(records[0].text.code(), "ABCD");
    EXPECT_EQ(records[0].text.notes(), "EFGHIJKLMNOPQRST");
    EXPECT_EQ(records[1].text.view(), "AB");
    EXPECT_EQ(records[1].text.notes(), "");
    EXPECT_EQ(reader.fault(), URFault::None);

    // The smallest file: one record.
    URReader smallest;
    EXPECT_TRUE(smallest.open(write("one.ur1", header(1) + record(0, 0, 0, 0, 0, "RD"))));
    EXPECT_EQ(smallest.recordCount(), 1);
}

TEST_F(URFileTest, RefusesBadHeadersSayingWhy) {
    struct Case {
        const char* name;
        std::string bytes;
        URFault fault;
        bool sized;  // the size passed its check
    };
    const std::string good = header(1) + record(1, 0, 0, 0, 0, "RD");
    std::string badTag = good;
    badTag[7] = '3';
    const std::vector<Case> cases = {
        {"header only", header(0), URFault::BadSize, false},
        // The size is judged before the tag: this one has no tag at all.
        {"one byte over", std::string(281, 'x'), URFault::BadSize, false},
        {"empty", "", URFault::BadSize, false},
        {"tag", badTag, URFault::NotUR, true},
        {"count one more", header(2) + record(1, 0, 0, 0, 0, "RD"), URFault::WrongCount, true},
        {"count of blanks", std::string(good).replace(56, 4, "    "), URFault::WrongCount, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        URReader reader;
        EXPECT_FALSE(reader.open(write("bad.ur1", c.bytes)));
        EXPECT_EQ(reader.fault(), c.fault);
        EXPECT_EQ(reader.size().has_value(), c.sized);
        StringRecord record;
        EXPECT_EQ(reader.next(record), URRead::End);
    }
    for (const auto& file : {path("missing.ur1"), path("")}) {
        URReader reader;
        EXPECT_FALSE(reader.open(file));
        EXPECT_EQ(reader.fault(), URFault::CannotOpen);
    }
    EXPECT_EQ(output_, "");
}

TEST_F(URFileTest, ReportsAFileCutShortWhileBeingRead) {
    URWriter writer;
    ASSERT_TRUE(writer.open(path("cut.ur1")) && writer.WriteURHeader());
    const double point[3] = {1, 2, 3};
    for (int i = 0; i < 6000; ++i) ASSERT_TRUE(writer.PutURRecord(1, i, point, "RD"));
    ASSERT_TRUE(writer.finish());

    for (const std::uintmax_t tail : {0, 20}) {
        SCOPED_TRACE(tail);
        URReader reader;
        ASSERT_TRUE(reader.open(path("cut.ur1")));
        std::filesystem::resize_file(path("cut.ur1"), 224 + 5000 * 56 + tail);
        URRead last{};
        const auto records = readAll(reader, last);
        EXPECT_EQ(records.size(), 5000u);
        EXPECT_EQ(records.back().pointNumber, 4999);
        EXPECT_EQ(last, URRead::ShortRecord);
        EXPECT_EQ(reader.fault(), URFault::ShortRecord);
        StringRecord record;
        EXPECT_EQ(reader.next(record), URRead::ShortRecord);
        std::filesystem::resize_file(path("cut.ur1"), 224 + 6000 * 56);
    }
}

TEST_F(URFileTest, AFileWithNoRecordsOrAStoppedExportIsRefusedByTheReader) {
    URWriter empty;
    ASSERT_TRUE(empty.open(path("empty.ur1")) && empty.WriteURHeader() && empty.finish());
    EXPECT_EQ(read(path("empty.ur1")), header(0));

    // An export that stops part way leaves the previous file as it was, and
    // until then its own file beside it holds no count.
    write("stopped.ur1", "previous");
    URWriter stopped;
    const double point[3] = {0, 0, 0};
    ASSERT_TRUE(stopped.open(path("stopped.ur1")) && stopped.WriteURHeader() && stopped.PutURRecord(1, 0, point, "RD"));
    EXPECT_EQ(read(path("stopped.ur1")), "previous");
    stopped.abandon();
    EXPECT_EQ(read(path("stopped.ur1")), "previous");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path("")), {}), 2);  // empty.ur1 and stopped.ur1
}

TEST_F(URFileTest, WriterReportsFailedOpensAndWrites) {
    URWriter missing;
    EXPECT_FALSE(missing.open(path("no/such/dir/a.ur1")));
    EXPECT_EQ(missing.lastError(), "Cannot open output file");

    URWriter full;
    ASSERT_TRUE(full.open("/dev/full"));
    const double point[3] = {0, 0, 0};
    bool allPut = full.WriteURHeader();
    for (int i = 0; i < 10; ++i) allPut = full.PutURRecord(0, i, point, "RD") && allPut;
    EXPECT_FALSE(allPut && full.finish());
    EXPECT_EQ(full.lastError(), "Cannot write UR file");
    EXPECT_NE(full.failureReason().find("No space left on device"), std::string::npos);
}
