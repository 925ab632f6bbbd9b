// A fresh host for each test, with its command-line output captured.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arx/acedads.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/host_test.h"

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        zcad::test::resetHost();
        previous_ = zcad::setOutputSink([this](std::string_view text) { output_ += text; });
    }
    void TearDown() override {
        zcad::setOutputSink(std::move(previous_));
        zcad::test::resetHost();
    }
    // The lines that will answer the next prompts; input ends after them.
    void answer(std::vector<std::string> lines) {
        zcad::clearInput();
        zcad::addInput(zcad::queueSource(std::move(lines)));
    }
    zcad::Database& db() { return zcad::currentDatabase(); }
    std::string output_;

private:
    zcad::OutputSink previous_;
};

// Entity helpers for tests.
inline int makeLine(double x1, double y1, double x2, double y2, const char* layer = "0") {
    const ads_point a = {x1, y1, 0}, b = {x2, y2, 0};
    resbuf* list = acutBuildList(RTDXF0, "LINE", 8, layer, 10, a, 11, b, 0);
    const int status = acdbEntMake(list);
    acutRelRb(list);
    return status;
}

inline int makeEntity(resbuf* list) {
    const int status = acdbEntMake(list);
    acutRelRb(list);
    return status;
}
