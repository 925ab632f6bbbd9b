// Exports as a command runs them, on drawings made through the host API,
// with the export settings at known values, and the written file read back.
#pragma once

#include <gmock/gmock.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "../layers/zarvo_fixture.h"
#include "settings/settings_record.h"
#include "string_export/string_export_commands.h"
#include "strings/tr_reader.h"
#include "strings/ur_reader.h"

class StringExportTest : public ZarvoTest {
protected:
    void SetUp() override {
        ZarvoTest::SetUp();
        ZaSettings& s = zaSettings();
        s.useDialogs = false;
        s.xyzUseDefaults = true;  // no question about arcs unless a test asks
        s.xyzBreakup = 3;
        s.xyzValue = 1;
        s.xyzRounding = true;
        s.xyzCreateNote = true;
        s.xyzLast8Layer = false;
        s.xyzLastNumberText = 8;
        s.xyzFaceMode = 1;
        s.xyzFaceCloseTriangles = true;
        s.coordinateUseDefaults = true;
        s.coordinatePreference = 0;
        s.restrictFileNameLength = true;
        s.saveJobUROUT = s.saveJobTROUT = false;
    }
    // Runs UROUT or TROUT on every entity of the drawing into the file;
    // `more` answers what the run asks after the selection.
    std::string exportAll(bool ur, const std::string& name, std::vector<std::string> more = {}) {
        std::vector<std::string> lines = {"ALL", ""};
        lines.insert(lines.end(), more.begin(), more.end());
        answer(lines);
        const std::string path = dir_ + name;
        driver().answerNextFile(path);
        if (ur) {
            zaUROUT();
        } else {
            zaTROUT();
        }
        return path;
    }

    // A name of eight characters no earlier export of the test has used,
    // so that no question about replacing a file comes up.
    std::string freshName(const char* extension) {
        char name[16];
        std::snprintf(name, sizeof name, "export%02d.%s", ++exports_ % 100, extension);
        return name;
    }

    static std::vector<zastrings::StringRecord> readUR(const std::string& path) {
        zastrings::URReader reader;
        std::vector<zastrings::StringRecord> records;
        EXPECT_TRUE(reader.open(path)) << "refused";
        zastrings::StringRecord record;
        while (reader.next(record) == zastrings::URRead::Record) records.push_back(record);
        return records;
    }
    static std::vector<zastrings::StringRecord> readTR(const std::string& path) {
        zastrings::TRReader reader;
        std::vector<zastrings::StringRecord> records;
        EXPECT_TRUE(reader.open(path)) << "refused";
        zastrings::StringRecord record;
        while (reader.next(record)) records.push_back(record);
        return records;
    }

private:
    int exports_ = 0;
};

// "string point x,y,z text" of each record, coordinates to 4 decimals
// (a tiny negative shows as 0).
inline std::string shown(const zastrings::StringRecord& r) {
    const auto fixed = [](double v) { return std::fabs(v) < 0.00005 ? 0.0 : v; };
    char line[160];
    std::snprintf(line, sizeof line, "%d %d %.4f,%.4f,%.4f %s", r.stringNumber, r.pointNumber, fixed(r.x), fixed(r.y),
                  fixed(r.z), std::string(r.text.view()).c_str());
    return line;
}

inline std::vector<std::string> shown(const std::vector<zastrings::StringRecord>& records) {
    std::vector<std::string> out;
    for (const auto& r : records) out.push_back(shown(r));
    return out;
}

// Entities made through the host API.
inline int makePoint(double x, double y, double z, const char* layer) {
    const ads_point p = {x, y, z};
    return makeEntity(acutBuildList(RTDXF0, "POINT", 8, layer, 10, p, 0));
}

inline int make3DLine(const ads_point a, const ads_point b, const char* layer) {
    return makeEntity(acutBuildList(RTDXF0, "LINE", 8, layer, 10, a, 11, b, 0));
}
