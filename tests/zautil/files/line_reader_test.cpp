#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "files/line_reader.h"

using namespace zafiles;

namespace {

std::vector<std::string> lines(const std::string& bytes, std::size_t blockBytes) {
    zafiles::LineReader reader(zafiles::memorySource(std::span<const char>(bytes.data(), bytes.size())), blockBytes);
    std::vector<std::string> result;
    while (const auto line = reader.next()) result.emplace_back(*line);
    return result;
}

// What the suite's reader holds of each line: without LF and the CR before
// it, up to a NUL, at most 255 characters.
std::vector<std::string> expectedLines(const std::string& bytes) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto feed = bytes.find('\n', start);
        const auto end = feed == std::string::npos ? bytes.size() : feed;
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line = line.substr(0, line.find('\0')).substr(0, 255);
        result.push_back(line);
        start = end + 1;
    }
    return result;
}

}  // namespace

TEST(LineReader, SplitsLinesLikeTheSuitesReaderWhateverTheBlockSize) {
    std::string bytes;
    std::uint64_t state = 7;
    const auto next = [&state] { return state = state * 6364136223846793005ull + 1442695040888963407ull; };
    for (int i = 0; i < 3000; ++i) {
        // Lengths around the held limit and the block sizes matter most.
        const std::size_t length = (next() >> 33) % 4 == 0 ? 250 + (next() >> 33) % 12 : (next() >> 33) % 700;
        for (std::size_t j = 0; j < length; ++j) {
            const auto roll = (next() >> 33) % 200;
            bytes += roll == 0 ? '\0' : roll == 1 ? '\r' : static_cast<char>('a' + roll % 26);
        }
        bytes += (next() >> 33) % 2 ? "\r\n" : "\n";
    }
    bytes += "last line without an end\r";
    const auto expected = expectedLines(bytes);
    for (const std::size_t block : {0u, 514u, 515u, 700u, 4096u, 1u << 20}) {
        SCOPED_TRACE(block);
        EXPECT_EQ(lines(bytes, block), expected);
    }
}

TEST(LineReader, EdgesOfTheData) {
    EXPECT_EQ(lines("", 0), std::vector<std::string>{});
    EXPECT_EQ(lines("\r\n\n", 0), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(lines(std::string(100000, 'x'), 0), std::vector<std::string>{std::string(255, 'x')});
}
