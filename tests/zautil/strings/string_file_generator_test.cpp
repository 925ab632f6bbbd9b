#include <set>
#include <string>
#include <vector>

#include "string_files.h"
#include "string_file_generator.h"
#include "strings/tr_reader.h"
#include "strings/ur_reader.h"

using namespace zastrings;

namespace {

std::vector<StringRecord> generated(const StringFileShape& shape) {
    std::vector<StringRecord> records;
    generateStringRecords(shape, [&](const StringRecord& record) {
        records.push_back(record);
        return true;
    });
    return records;
}

}  // namespace

using GeneratorTest = StringFileTest;

TEST_F(GeneratorTest, MakesStringsLonePointsAndCodesAsAsked) {
    StringFileShape shape;
    shape.records = 100;
    shape.codes = 3;
    shape.stringLength = 5;
    shape.lonePoints = 2;
    const auto records = generated(shape);
    ASSERT_EQ(records.size(), 100u);
    std::set<std::string> codes;
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(i);
        const bool lone = i % 7 >= 5;
        EXPECT_EQ(records[i].stringNumber, lone ? 0 : static_cast<std::int32_t>(i / 7 + 1));
        EXPECT_EQ(records[i].pointNumber, static_cast<std::int32_t>(i));
        if (!lone && i % 7) {
            EXPECT_EQ(records[i].text.code(), records[i - 1].text.code());
        }
        codes.emplace(records[i].text.code());
    }
    EXPECT_EQ(codes, (std::set<std::string>{"RD  ", "KB  ", "FP  "}));
    EXPECT_EQ(generatedCode(12 + 37), "Z011");

    shape.stringLength = 0;
    for (const auto& record : generated(shape)) EXPECT_EQ(record.stringNumber, 0);
}

TEST_F(GeneratorTest, UrAndTrFilesOfOneShapeHoldTheSameRecords) {
    StringFileShape shape;
    shape.records = 5000;
    shape.codes = 40;
    shape.seed = 99;
    std::string error;
    ASSERT_TRUE(generateURFile(path("g.ur1"), shape, error)) << error;
    ASSERT_TRUE(generateTRFile(path("g.tr1"), shape, error)) << error;

    URReader ur;
    TRReader tr;
    ASSERT_TRUE(ur.open(path("g.ur1")));
    ASSERT_TRUE(tr.open(path("g.tr1")));
    StringRecord fromUr, fromTr;
    std::int64_t count = 0;
    while (ur.next(fromUr) == URRead::Record) {
        ASSERT_TRUE(tr.next(fromTr));
        ASSERT_EQ(fromUr.stringNumber, fromTr.stringNumber);
        ASSERT_EQ(fromUr.x, fromTr.x);
        ASSERT_EQ(fromUr.y, fromTr.y);
        ASSERT_EQ(fromUr.z, fromTr.z);
        // UR texts are filled to 20 with spaces; TR lines carry code and 12 notes.
        const auto urText = fromUr.text.view();
        ASSERT_EQ(urText.substr(0, urText.find_last_not_of(' ') + 1).substr(0, 16), fromTr.text.view());
        ++count;
    }
    EXPECT_FALSE(tr.next(fromTr));
    EXPECT_EQ(count, 5000);
    EXPECT_EQ(tr.badLines(), 0);
}
