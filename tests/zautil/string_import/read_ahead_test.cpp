// URIN and TRIN make the same drawing and say the same things whether the
// file is read ahead on a second thread or on the command's own: whole, cut
// short with bad lines, or broken off at a report.
#include <algorithm>
#include <limits>
#include <regex>

#include "files/decode_ahead.h"
#include "string_file_generator.h"
#include "string_import_fixture.h"

class ReadAheadTest : public StringImportTest {
protected:
    void TearDown() override {
        zafiles::setDecodeAheadMinimumBytes(256 * 1024);
        StringImportTest::TearDown();
    }

    // The drawing, and the transcript and last error without their times
    // and rates (a rate is said only when time has passed).
    std::string run(const std::string& path, bool ahead, int breakAtPoll) {
        zcad::test::resetHost();
        output_.clear();
        zafiles::setDecodeAheadMinimumBytes(ahead ? 0 : std::numeric_limits<std::uint64_t>::max());
        zcad::test::breakAfterPolls(breakAtPoll);
        const bool imported = path.ends_with("ur1") ? importUR(path) : importTR(path, true);
        zcad::test::breakAfterPolls(0);
        EXPECT_FALSE(zcad::test::sequenceOpen());
        static const std::regex kTimes("[0-9.]+ seconds|\\r?\\s?at [0-9]+ per second(\\.|\n)");
        return std::to_string(imported) + storedBytes() + std::regex_replace(output_ + error_, kTimes, "");
    }

    void expectAlike(const std::string& path, int breakAtPoll) {
        const std::string one = run(path, false, breakAtPoll);
        const std::string ahead = run(path, true, breakAtPoll);
        if (one == ahead) return;
        const auto at = static_cast<std::size_t>(std::mismatch(one.begin(), one.end(), ahead.begin(), ahead.end()).first - one.begin());
        const auto from = at < 200 ? 0 : at - 200;
        ADD_FAILURE() << path << " broken off at poll " << breakAtPoll << ", first difference at " << at << ":\n"
                      << one.substr(from, 400) << "\n--- read ahead:\n" << ahead.substr(from, 400);
    }

    std::string generate(const std::string& name, std::int64_t records) {
        zastrings::StringFileShape shape;
        shape.records = records;
        shape.codes = 12;
        shape.stringLength = 37;
        shape.lonePoints = 3;
        std::string error;
        const bool ur = name.ends_with("ur1");
        EXPECT_TRUE(ur ? zastrings::generateURFile(dir_ + name, shape, error)
                       : zastrings::generateTRFile(dir_ + name, shape, error));
        return dir_ + name;
    }
};

TEST_F(ReadAheadTest, AStringFileDrawsAlikeWholeCutOrBrokenOffAtAnyReport) {
    // Several batches; the reports, where the break is polled, come at
    // records 1, 11, 61, ... 7811.
    for (const std::string name : {"survey01.ur1", "survey01.tr1"}) {
        const std::string path = generate(name, 20011);
        for (const int poll : {0, 1, 2, 5, 6, 7}) expectAlike(path, poll);
    }
    // Bad lines among the records (counted where the break comes), and the
    // last line cut.
    std::string text = read(generate("survey02.tr1", 9000));
    for (std::size_t at = 1000; at < text.size(); at += 52111) text.insert(text.find('\n', at) + 1, "a bad line\n");
    text.resize(text.size() - 30);
    const std::string cut = write("cut01.tr1", text);
    for (const int poll : {0, 4}) expectAlike(cut, poll);
    EXPECT_TRUE(printed("bad lines"));
}
