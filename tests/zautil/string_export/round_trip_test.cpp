// Files imported and exported again: a UR file through URIN as 3D strings
// and UROUT gives back every coordinate bit for bit; a TR file through TRIN
// and TROUT every value to its four decimals.
#include <bit>
#include <map>

#include "string_export_fixture.h"
#include "string_file_generator.h"
#include "string_import/string_import.h"
#include "strings/tr_format.h"
#include "strings/ur_writer.h"

namespace {

using zastrings::StringRecord;

// A record as it should come back: its coordinates' bits, and the string it
// belongs to numbered by first appearance (0: alone).
struct Kept {
    std::int32_t string;
    std::uint64_t x, y, z;
    bool operator==(const Kept&) const = default;
};

std::vector<Kept> kept(const std::vector<StringRecord>& records) {
    std::vector<Kept> out;
    std::map<std::int32_t, std::int32_t> renumbered;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const StringRecord& r = records[i];
        const bool alone = r.stringNumber == 0 ||
                           ((i == 0 || records[i - 1].stringNumber != r.stringNumber) &&
                            (i + 1 == records.size() || records[i + 1].stringNumber != r.stringNumber));
        std::int32_t string = 0;
        if (!alone) string = renumbered.try_emplace(r.stringNumber, static_cast<int>(renumbered.size()) + 1).first->second;
        out.push_back({string, std::bit_cast<std::uint64_t>(r.x), std::bit_cast<std::uint64_t>(r.y),
                       std::bit_cast<std::uint64_t>(r.z)});
    }
    return out;
}

class RoundTrip : public StringExportTest {
protected:
    void SetUp() override {
        StringExportTest::SetUp();
        ZaSettings& s = zaSettings();
        s.useDialogs = true;
        s.colourLayers = s.endNameAtSpace = false;
        s.addLayers = s.includeNumerics = true;
        s.maximumSize = "14";
        s.mapPreference = 0;
        s.polyline3D = true;
    }
    // A made-up survey of 3000 records in the test's directory.
    std::string generate(const std::string& name, int stringLength, int lonePoints) {
        const zastrings::StringFileShape shape{.records = 3000, .codes = 12, .stringLength = stringLength,
                                               .lonePoints = lonePoints};
        std::string error;
        const std::string path = dir_ + name;
        const bool ur = name.ends_with(".ur1");
        EXPECT_TRUE(ur ? zastrings::generateURFile(path, shape, error) : zastrings::generateTRFile(path, shape, error))
            << error;
        return path;
    }
};

TEST_F(RoundTrip, URINThenUROUTGivesBackEveryCoordinateBitForBit) {
    auto records = readUR(generate("survey01.ur1", 40, 3));
    // Values no text format would keep, at levels the export keeps as they are.
    const auto odd = [](int string, double x, double y, double z) {
        StringRecord r;
        r.stringNumber = string;
        r.x = x;
        r.y = y;
        r.z = z;
        r.text.assign("ODD");
        return r;
    };
    records.push_back(odd(9000, 0.1, 1.0 / 3, -98.99999999999999));
    records.push_back(odd(9000, 1e15 + 0.5, -0.0, 9998.999999999998));
    records.push_back(odd(0, 5e-324, -1.7976931348623157e308, -0.0));
    zastrings::URWriter writer;
    const std::string input = dir_ + "survey02.ur1";
    ASSERT_TRUE(writer.open(input) && writer.WriteURHeader());
    for (const StringRecord& r : records) ASSERT_TRUE(writer.PutURRecord(r));
    ASSERT_TRUE(writer.finish());

    zastringimport::StringImport import;
    ASSERT_TRUE(import.importUR(input));
    const auto exported = readUR(exportAll(true, "survey03.ur1"));
    ASSERT_EQ(exported.size(), records.size());
    EXPECT_TRUE(kept(exported) == kept(records));
    for (std::size_t i = 0; i < exported.size(); ++i) ASSERT_EQ(exported[i].pointNumber, static_cast<int>(i));
}

TEST_F(RoundTrip, TRINThenTROUTKeepsEveryValueToItsFourDecimals) {
    const std::string input = generate("survey01.tr1", 50, 2);

    zastringimport::StringImport import;
    import.setPolyline3D(true);
    ASSERT_TRUE(import.importTR(input));
    const std::string output = exportAll(false, "survey02.tr1");
    const auto columns = [](const std::string& path) {
        std::vector<std::string> values;
        std::string text = read(path);
        for (std::size_t at = text.find("\r\n") + 2; at < text.size(); at = text.find("\r\n", at) + 2) {
            values.push_back(text.substr(at + 12, 36));  // x, y and z as written
        }
        return values;
    };
    EXPECT_EQ(columns(output), columns(input));
    EXPECT_TRUE(kept(readTR(output)) == kept(readTR(input)));
}

}  // namespace
