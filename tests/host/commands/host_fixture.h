// A fresh host for each test, its printed output captured, and entities
// written straight into the drawing.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "commands/command_processor.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/host_test.h"

namespace zcad::testing {

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetHost();
        previousSink_ = setOutputSink([this](std::string_view text) { printed_ += text; });
    }
    void TearDown() override {
        setOutputSink(std::move(previousSink_));
        test::resetHost();
    }

    Database& db() { return currentDatabase(); }
    std::string takePrinted() { return std::exchange(printed_, {}); }

private:
    std::string printed_;
    OutputSink previousSink_;
};

class ListBuilder {
public:
    explicit ListBuilder(std::string_view type, std::string_view layer = "0") {
        writer_.string(0, type);
        writer_.string(8, layer);
    }
    ListBuilder(const ListBuilder&) = delete;
    ListBuilder& operator=(const ListBuilder&) = delete;

    ListBuilder& text(int code, std::string_view value) {
        writer_.string(code, value);
        return *this;
    }
    ListBuilder& real(int code, double value) {
        writer_.real(code, value);
        return *this;
    }
    ListBuilder& integer(int code, std::int64_t value) {
        writer_.integral(code, value);
        return *this;
    }
    ListBuilder& point(int code, double x, double y, double z = 0) {
        writer_.point(code, x, y, z);
        return *this;
    }
    ListBuilder& flat(int code, double x, double y) {
        writer_.point(code, x, y, 0, true);
        return *this;
    }
    EntityId append(Database& db) const { return db.append(bytes_); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    GroupWriter writer_{bytes_};
};

inline std::vector<Group> groupsOf(const Database& db, EntityId id) { return decodeGroups(db.list(id)); }

inline std::vector<Group> groupsWithCode(const Database& db, EntityId id, int code) {
    std::vector<Group> out;
    for (const Group& g : groupsOf(db, id)) {
        if (g.code == code) out.push_back(g);
    }
    return out;
}

inline Group groupWithCode(const Database& db, EntityId id, int code) {
    const auto found = groupsWithCode(db, id, code);
    EXPECT_FALSE(found.empty()) << "no group " << code;
    return found.empty() ? Group{} : found.front();
}

// A 2D POLYLINE at an elevation with its vertices and SEQEND; returns the head.
inline EntityId appendPolyline2d(Database& db, double elevation, const std::vector<std::pair<double, double>>& points) {
    const EntityId head = ListBuilder("POLYLINE").integer(66, 1).point(10, 0, 0, elevation).integer(70, 0).append(db);
    for (const auto& [x, y] : points) ListBuilder("VERTEX").point(10, x, y, elevation).integer(70, 0).append(db);
    ListBuilder("SEQEND").append(db);
    return head;
}

}  // namespace zcad::testing
