// Names kept as pool numbers in stored lists: they must read back as the
// names given, whichever thread met them first, and when the pool is full.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "zcad/group_list.h"

namespace {

std::vector<std::uint8_t> listOf(std::string_view type, std::string_view layer) {
    std::vector<std::uint8_t> bytes;
    zcad::GroupWriter writer(bytes);
    writer.string(0, type);
    writer.string(8, layer);
    writer.string(7, "Standard");
    writer.string(6, "DASHED");
    writer.string(1, type);  // a text value, kept as bytes
    writer.point(10, 1, 2, 3);
    return bytes;
}

std::vector<std::string> textsOf(std::span<const std::uint8_t> bytes) {
    std::vector<std::string> texts;
    for (const zcad::Group& g : zcad::decodeGroups(bytes)) {
        if (g.kind == zcad::GroupKind::String) texts.emplace_back(g.text);
    }
    return texts;
}

TEST(NamePool, NamesReadBackAsGivenAndRepeatedNamesCostAFewBytes) {
    const std::string longLayer(300, 'L');
    const std::string accented = "Lot \xC3\xA9t\xC3\xA9";
    for (const std::string_view layer : {std::string_view("CATCHMENT"), std::string_view(longLayer),
                                         std::string_view(accented), std::string_view()}) {
        const auto bytes = listOf("VERTEX", layer);
        EXPECT_EQ(textsOf(bytes), (std::vector<std::string>{"VERTEX", std::string(layer), "Standard", "DASHED", "VERTEX"}));
        EXPECT_EQ(listOf("VERTEX", layer), bytes) << "one name, one encoding";
    }
    // Type, layer, style and linetype take a code word and a number; only
    // the text value keeps its bytes.
    const auto small = listOf("VERTEX", "CATCHMENT");
    EXPECT_LE(small.size(), 4 * (2 + 3) + (2 + 1 + 6) + (2 + 24));
    EXPECT_GT(listOf("VERTEX", longLayer).size(), longLayer.size()) << "long names stay bytes";
}

TEST(NamePool, ThreadsMeetingTheSameNamesAgreeOnThem) {
    constexpr int kNames = 500;
    std::vector<std::vector<std::vector<std::uint8_t>>> made(4);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &made] {
            for (int i = 0; i < kNames; ++i) {
                const int name = t % 2 ? i : kNames - 1 - i;  // met in opposite orders
                made[t].push_back(listOf("POLYLINE", "shared layer " + std::to_string(name)));
            }
        });
    }
    for (auto& thread : threads) thread.join();
    for (int t = 0; t < 4; ++t) {
        for (int i = 0; i < kNames; ++i) {
            const int name = t % 2 ? i : kNames - 1 - i;
            const auto& bytes = made[t][static_cast<std::size_t>(i)];
            ASSERT_EQ(textsOf(bytes)[1], "shared layer " + std::to_string(name));
            ASSERT_EQ(bytes, made[0][static_cast<std::size_t>(kNames - 1 - name)]);
        }
    }
}

// Last in this file: it fills the pool for the rest of the process, which
// must then go on working with names kept as bytes.
TEST(NamePool, AFullPoolKeepsFurtherNamesAsBytes) {
    const auto pooled = listOf("LINE", "before the pool filled");
    std::vector<std::uint8_t> last;
    for (int i = 0; i < 70000; ++i) {
        const std::string layer = "layer " + std::to_string(i);
        last = listOf("LINE", layer);
        ASSERT_EQ(textsOf(last)[1], layer);
    }
    EXPECT_GT(last.size(), listOf("LINE", "").size() + 3) << "a name met after the pool filled is kept as bytes";
    EXPECT_EQ(listOf("LINE", "before the pool filled"), pooled);
}

}  // namespace
