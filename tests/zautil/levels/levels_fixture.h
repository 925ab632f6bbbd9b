// The level tools' settings at their defaults for each test, and entities
// made and read back through the host.
#pragma once

#include <gmock/gmock.h>

#include <string>

#include "../layers/zarvo_fixture.h"
#include "levels/level_commands.h"
#include "levels/level_flags.h"
#include "settings/settings_record.h"

class LevelsTest : public ZarvoTest {
protected:
    void SetUp() override {
        ZarvoTest::SetUp();
        ZaSettings& s = zaSettings();
        s.p2lPrecision = 3;
        s.p2lXOffset = s.p2lYOffset = 0;
        s.p2lTextHeight = 3;
        s.p2lTextAngle = 0;
        s.p2lPreferences = 0;
        s.p2lLayerName = "mk_lev";
        s.l2pPreferences = zaWithLayerPreference(0, ZaLayerPreference::Defined);
        s.l2pLayerName = "mk_pt";
    }
    // The store as the run left it.
    std::string store() const { return read(dir_ + "registry.reg"); }
    static std::string dword(const char* name, int value) {
        char text[96];
        std::snprintf(text, sizeof text, "\"%s\"=dword:%08x", name, static_cast<unsigned>(value));
        return text;
    }
};

inline void addPoint(double x, double y, double z, const char* layer = "0") {
    const ads_point at = {x, y, z};
    makeEntity(acutBuildList(RTDXF0, "POINT", 8, layer, 10, at, 0));
}

inline void addText(const char* text, double x, double y, const char* layer = "0") {
    const ads_point at = {x, y, 0};
    makeEntity(acutBuildList(RTDXF0, "TEXT", 8, layer, 10, at, 40, 1.0, 1, text, 0));
}

// The entities of a type, in drawing order.
inline std::vector<Stored> storedOf(const char* type) {
    std::vector<Stored> out;
    for (Stored& e : storedEntities()) {
        if (e.type == type) out.push_back(std::move(e));
    }
    return out;
}
