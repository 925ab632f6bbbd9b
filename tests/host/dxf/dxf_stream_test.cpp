// The byte-level paths a large drawing runs through: splitting lines,
// writing through the background writer, and a write that fails.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "dxf/dxf_file_writer.h"
#include "dxf/dxf_scanner.h"
#include "dxf/dxf_writer.h"
#include "dxf_test_support.h"

namespace {

using zcad::dxf::Scanner;
using zcad::dxf::Token;

struct Expected {
    int code;
    std::string value;
    std::size_t line;
};

// Random groups of every shape the fast paths special-case: padded and
// negative codes, empty and long values, LF and CRLF, a last line with no
// line end; the scanner must see what a plain split sees.
TEST(DxfScanner, SplitsLikeAPlainReadingOfTheLines) {
    std::mt19937 random(5);
    for (int round = 0; round < 2000; ++round) {
        const bool crlf = random() % 2;
        const char* eol = crlf ? "\r\n" : "\n";
        std::string text;
        std::vector<Expected> expected;
        const int groups = 1 + static_cast<int>(random() % 20);
        for (int g = 0; g < groups; ++g) {
            const int code = static_cast<int>(random() % 1077) - 5;
            std::string codeLine = std::to_string(code);
            if (random() % 2) codeLine.insert(0, std::string(random() % 4, ' '));
            if (random() % 8 == 0) codeLine += ' ';
            std::string value;
            for (int n = static_cast<int>(random() % (random() % 4 ? 12 : 40)); n > 0; --n) {
                value += static_cast<char>(' ' + random() % 95);
            }
            expected.push_back({code, value, 2 * static_cast<std::size_t>(g) + 1});
            text += codeLine + eol + value;
            // A last value with no line end must have something in it, or there is no value line.
            if (g + 1 < groups || value.empty() || random() % 2) text += eol;
        }
        Scanner scanner(text);
        Token token;
        for (const auto& e : expected) {
            ASSERT_TRUE(scanner.next(token)) << scanner.error();
            ASSERT_EQ(token.code, e.code);
            ASSERT_EQ(token.value, e.value);
            ASSERT_EQ(token.line, e.line);
        }
        EXPECT_FALSE(scanner.next(token));
        EXPECT_FALSE(scanner.failed()) << scanner.error();
    }
}

TEST(DxfScanner, CodeLinesThatAreNotPlainDigitsStillGetTheirMessage) {
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"  1x\nv\n", "line 1: group code \"1x\" is not a number"},
             {"12345\nv\n", "line 1: group code 12345 is out of range"},
             {"99999999999\nv\n", "line 1: group code \"99999999999\" is out of range"},
             {"\nv\n", "line 1: group code \"\" is not a number"},
             {"10\n", "line 1: group code 10 has no value line (the file is cut short)"}}) {
        Scanner scanner(text);
        Token token;
        EXPECT_FALSE(scanner.next(token));
        EXPECT_EQ(scanner.error(), message) << text;
    }
}

// Lines of every length up to past a piece, some longer than a whole piece,
// written through the output on the writing thread: the file holds them all
// in order.
TEST(DxfFileWriter, WritesEveryPieceInOrder) {
    const auto path = dxftest::scratchDir() / "pieces.txt";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    std::string expected;
    {
        zcad::dxf::PiecePool pool;
        zcad::dxf::FileWriter writer(fd, pool);
        zcad::dxf::Out out(zcad::dxf::TextEncoding::Ansi, false, pool, &writer);
        for (int i = 0; i < 3000; ++i) {
            const std::size_t length = i % 500 == 7 ? zcad::dxf::kPieceBytes + 3 * i : static_cast<std::size_t>(i % 300);
            const std::string value = std::to_string(i) + std::string(length, 'x');
            out.raw(1, value);
            expected += "  1\n" + value + "\n";
        }
        ASSERT_TRUE(out.flush());
        EXPECT_TRUE(writer.finish());
    }
    ::close(fd);
    EXPECT_TRUE(dxftest::readFile(path) == expected);
}

TEST(DxfFileWriter, AFailedWriteIsReportedWithItsError) {
    const int fd = ::open("/dev/full", O_WRONLY);
    if (fd < 0) GTEST_SKIP() << "/dev/full is not available";
    zcad::dxf::PiecePool pool;
    zcad::dxf::FileWriter writer(fd, pool);
    bool refused = false;
    for (int i = 0; i < 100 && !refused; ++i) {
        zcad::dxf::Piece piece = pool.get();
        std::memset(piece.bytes.get(), 'x', zcad::dxf::kPieceBytes);
        piece.size = zcad::dxf::kPieceBytes;
        refused = !writer.take(std::move(piece));
    }
    errno = 0;
    EXPECT_FALSE(writer.finish());
    EXPECT_EQ(errno, ENOSPC);
    ::close(fd);
}

// Polylines and blocks with attributes whose followers run across the
// pieces that threads make, erased entities, and paper-space entities kept
// between model-space ones: the text is the same however many threads make it.
TEST(DxfEntityWriters, ThreadsWriteWhatOnePassWrites) {
    const std::string paper = "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  0\nENDSEC\n"
                              "  0\nSECTION\n  2\nENTITIES\n  0\nPOINT\n  5\n20\n 67\n1\n 10\n1\n 20\n2\n"
                              "  0\nENDSEC\n  0\nEOF\n";
    std::string error;
    for (const bool loaded : {false, true}) {
        auto db = loaded ? zcad::readDxfText(paper, error) : std::make_unique<zcad::Database>();
        ASSERT_TRUE(db) << error;
        std::mt19937 random(9);
        for (int sequence = 0; sequence < 900; ++sequence) {
            const bool block = sequence % 3 == 0;
            db->append(dxftest::list({{0, block ? "INSERT" : "POLYLINE"}, {8, "0"}, {66, 1}, {10, 0.0, 0.0, 0.0}, {2, "B"}}));
            for (int v = static_cast<int>(random() % 90); v >= 0; --v) {
                db->append(dxftest::list({{0, block ? "ATTRIB" : "VERTEX"}, {8, "0"}, {10, 1.0 * v, 2.0, 3.0}}));
            }
            db->append(dxftest::list({{0, "SEQEND"}, {8, "0"}}));
            db->append(dxftest::list({{0, "LINE"}, {8, "0"}, {10, 0.0, 0.0, 0.0}, {11, 1.0, 1.0, 0.0}}));
        }
        for (zcad::EntityId id = 5; id < db->entityCount(); id += 997) db->erase(id);
        for (const auto version : {zcad::DxfVersion::R12, zcad::DxfVersion::R2000}) {
            if (loaded && version == zcad::DxfVersion::R12) continue;
            zcad::dxf::setEntityWriters(1);
            const std::string one = zcad::writeDxfText(*db, loaded ? nullptr : &version);
            zcad::dxf::setEntityWriters(3);
            const std::string three = zcad::writeDxfText(*db, loaded ? nullptr : &version);
            zcad::dxf::setEntityWriters(0);
            ASSERT_GT(db->entityCount(), 40000u);
            EXPECT_TRUE(one == three) << (loaded ? "loaded" : "new") << " drawing differs";
            if (loaded) {
                EXPECT_NE(one.find("\n 67\n1\n"), std::string::npos);
            }
        }
    }
}

}  // namespace
