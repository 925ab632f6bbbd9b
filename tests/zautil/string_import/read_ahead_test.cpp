// URIN and TRIN make the same drawing and say the same things whether the
// file is read ahead on a second thread or on the command's own: whole, cut
// short, or broken off at a record.
#include <cstdint>
#include <limits>
#include <regex>
#include <string>

#include "files/decode_ahead.h"
#include "string_file_generator.h"
#include "string_import_fixture.h"

namespace {

// The transcript with its times masked and its rates left out: both vary
// from run to run, and a rate is said only when time has passed.
std::string withoutTimes(const std::string& output) {
    static const std::regex kTimes("[0-9.]+ seconds");
    static const std::regex kRates("\\r?\\s?at [0-9]+ per second\\.?");
    return std::regex_replace(std::regex_replace(output, kTimes, "#"), kRates, "");
}

struct Outcome {
    bool imported = false;
    std::string drawing;
    std::string said;
    std::string error;
};

}  // namespace

class ReadAheadTest : public StringImportTest {
protected:
    void TearDown() override {
        zafiles::setDecodeAheadMinimumBytes(256 * 1024);
        StringImportTest::TearDown();
    }

    // One import in a fresh drawing, read ahead or not, with a break at the
    // given poll (0: none).
    Outcome run(const std::string& path, bool ahead, int breakAtPoll) {
        zcad::test::resetHost();
        output_.clear();
        zafiles::setDecodeAheadMinimumBytes(ahead ? 0 : std::numeric_limits<std::uint64_t>::max());
        zcad::test::breakAfterPolls(breakAtPoll);
        Outcome outcome;
        outcome.imported = path.ends_with("ur1") ? importUR(path) : importTR(path, true);
        zcad::test::breakAfterPolls(0);
        outcome.drawing = storedBytes();
        outcome.said = withoutTimes(output_);
        outcome.error = withoutTimes(error_);
        return outcome;
    }

    void expectAlike(const std::string& path, int breakAtPoll) {
        const Outcome alone = run(path, false, breakAtPoll);
        const Outcome ahead = run(path, true, breakAtPoll);
        EXPECT_EQ(alone.imported, ahead.imported) << path << " break " << breakAtPoll;
        EXPECT_EQ(alone.said, ahead.said) << path << " break " << breakAtPoll;
        EXPECT_EQ(alone.error, ahead.error) << path << " break " << breakAtPoll;
        EXPECT_TRUE(alone.drawing == ahead.drawing) << path << " break " << breakAtPoll;
        EXPECT_TRUE(breakAtPoll != 0 || !alone.drawing.empty());
        EXPECT_FALSE(zcad::test::sequenceOpen());
    }

    std::string generate(const std::string& name, std::int64_t records) {
        zastrings::StringFileShape shape;
        shape.records = records;
        shape.codes = 12;
        shape.stringLength = 37;
        shape.lonePoints = 3;
        std::string error;
        const std::string path = dir_ + name;
        const bool made = name.ends_with("ur1") ? zastrings::generateURFile(path, shape, error)
                                                : zastrings::generateTRFile(path, shape, error);
        EXPECT_TRUE(made) << error;
        return path;
    }
};

TEST_F(ReadAheadTest, AStringFileDrawsAlikeWholeAndBrokenOffAtAnyPoll) {
    // Enough records for several batches; the reports, where the break is
    // polled, come at records 1, 11, 61, ... 7811.
    for (const std::string name : {"survey01.ur1", "survey01.tr1"}) {
        const std::string path = generate(name, 20011);
        for (const int poll : {0, 1, 2, 5, 6, 7}) expectAlike(path, poll);
    }
}

TEST_F(ReadAheadTest, ACutTRFileAndBadLinesCountAlike) {
    std::string text = read(generate("survey01.tr1", 9000));
    // Lines no reader takes among the records, and the last line cut.
    for (std::size_t at = 1000; at < text.size(); at += 52111) text.insert(text.find('\n', at) + 1, "a bad line\n");
    text.resize(text.size() - 30);
    const std::string path = write("cut01.tr1", text);
    expectAlike(path, 0);
    expectAlike(path, 4);
    EXPECT_TRUE(printed("bad lines"));
}
