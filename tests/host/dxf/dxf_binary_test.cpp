// Binary DXF reads as the same drawing as its text form.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <variant>
#include <vector>

#include "dxf_test_support.h"

namespace {

using Value = std::variant<std::string, double, std::int16_t, std::int32_t, std::int64_t, bool, std::vector<std::uint8_t>>;

struct Group {
    int code;
    Value value;
};

// The text form of the groups.
std::string asText(const std::vector<Group>& groups) {
    std::string out;
    for (const auto& g : groups) {
        out += std::to_string(g.code) + "\n";
        std::visit(
            [&out](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    out += v;
                } else if constexpr (std::is_same_v<T, double>) {
                    char text[64];
                    std::snprintf(text, sizeof text, "%.17g", v);
                    out += text;
                } else if constexpr (std::is_same_v<T, std::vector<std::uint8_t>>) {
                    char hex[3];
                    for (const auto byte : v) {
                        std::snprintf(hex, sizeof hex, "%02X", byte);
                        out += hex;
                    }
                } else {
                    out += std::to_string(static_cast<long long>(v));
                }
            },
            g.value);
        out += "\n";
    }
    return out;
}

template <typename T>
void put(std::string& out, T value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.append(bytes, sizeof(T));
}

// The binary form: two-byte codes, or one byte with 255 escaping wider ones.
std::string asBinary(const std::vector<Group>& groups, bool wideCodes) {
    std::string out("AutoCAD Binary DXF\r\n\x1a\0", 22);
    for (const auto& g : groups) {
        if (wideCodes) {
            put(out, static_cast<std::int16_t>(g.code));
        } else if (g.code >= 0 && g.code < 255) {
            put(out, static_cast<std::uint8_t>(g.code));
        } else {
            put(out, static_cast<std::uint8_t>(255));
            put(out, static_cast<std::int16_t>(g.code));
        }
        std::visit(
            [&out](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    out += v;
                    out += '\0';
                } else if constexpr (std::is_same_v<T, std::vector<std::uint8_t>>) {
                    put(out, static_cast<std::uint8_t>(v.size()));
                    out.append(v.begin(), v.end());
                } else if constexpr (std::is_same_v<T, bool>) {
                    put(out, static_cast<std::uint8_t>(v));
                } else {
                    put(out, v);
                }
            },
            g.value);
    }
    return out;
}

std::vector<Group> drawing(const char* acadver) {
    std::vector<Group> groups = {{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, acadver},
                                 {9, "$EXTMIN"}, {10, 1.5}, {20, -2.25}, {30, 0.0},
                                 {0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}, {0, "LINE"},
                                 {5, "2F"}, {8, "Kerb ^ line"}, {62, std::int16_t{-3}}, {10, 500000.123},
                                 {20, 6900000.5}, {30, 0.1 + 0.2}, {11, 1e-9}, {21, -1e300},
                                 {31, 4.0}, {0, "MTEXT"}, {5, "30"}, {8, "0"},
                                 {10, 1.0}, {20, 2.0}, {30, 0.0}, {40, 2.5},
                                 {1, "Text"}, {50, 30.0}, {160, std::int64_t{1} << 40}, {290, true},
                                 {1001, "ZTEST"}, {1004, std::vector<std::uint8_t>{0x00, 0xAB, 0xFF}},
                                 {1071, std::int32_t{-70000}}, {0, "ENDSEC"}, {0, "EOF"}};
    return groups;
}

std::string reread(const std::string& file) {
    std::string error;
    const auto db = zcad::readDxfText(file, error);
    EXPECT_TRUE(db) << error;
    return db ? zcad::writeDxfText(*db, nullptr) : std::string();
}

TEST(BinaryDxf, ReadsAsItsTextFormInEveryCodeWidth) {
    for (const char* acadver : {"AC1009", "AC1015", "AC1032"}) {
        const auto groups = drawing(acadver);
        const std::string fromText = reread(asText(groups));
        ASSERT_FALSE(fromText.empty());
        EXPECT_EQ(reread(asBinary(groups, true)), fromText) << acadver;
        EXPECT_EQ(reread(asBinary(groups, false)), fromText) << acadver;
    }
}

TEST(BinaryDxf, BadFilesAreRefusedNamingTheByte) {
    const std::string good = asBinary(drawing("AC1015"), true);
    std::string error;
    for (std::size_t cut : {std::size_t{23}, std::size_t{30}, good.size() / 2, good.size() - 1}) {
        EXPECT_FALSE(zcad::readDxfText(good.substr(0, cut), error)) << cut;
        EXPECT_EQ(error.rfind("byte ", 0), 0u) << error;
    }
    const auto refusal = [&error](const std::vector<Group>& groups) {
        EXPECT_FALSE(zcad::readDxfText(asBinary(groups, true), error));
        return error;
    };
    EXPECT_EQ(refusal({{0, "SECTION"}, {2, "ENTITIES"}, {0, "POINT"}, {10, std::numeric_limits<double>::quiet_NaN()}}),
              "byte 51: group 10 value is not a finite number");
    EXPECT_EQ(refusal({{0, "SECTION"}, {2000, "x"}}), "byte 32: group code 2000 is out of range");
    EXPECT_EQ(refusal({{0, "SECTION"}, {2, "ENTI\nTIES"}}), "byte 32: a string holds a line break");
    std::string unended = asBinary({{0, "SECTION"}, {2, "ENTITIES"}}, true);
    unended.pop_back();
    EXPECT_FALSE(zcad::readDxfText(unended, error));
    EXPECT_EQ(error, "byte 32: a string runs to the end of the file");
}

}  // namespace
