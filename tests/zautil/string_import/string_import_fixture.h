// The import settings at their defaults for each test, string files written
// by the module's writers, and the drawing read back compactly.
#pragma once

#include <platform/message_box.h>

#include <string>
#include <vector>

#include "../layers/zarvo_fixture.h"
#include "settings/settings_record.h"
#include "string_import/string_import.h"
#include "strings/ur_writer.h"
#include "zcad/host_test.h"

inline zastrings::StringRecord rec(int string, double x, double y, double z, const char* text = "RD") {
    zastrings::StringRecord r;
    r.stringNumber = string;
    r.x = x;
    r.y = y;
    r.z = z;
    r.text.assign(text);
    return r;
}

class StringImportTest : public ZarvoTest {
protected:
    void SetUp() override {
        ZarvoTest::SetUp();
        ZaSettings& s = zaSettings();
        s.useDialogs = true;
        s.colourLayers = s.polyline3D = s.endNameAtSpace = s.saveJobURIN = s.saveJobTRIN = false;
        s.addLayers = s.includeNumerics = true;
        s.maximumSize = "14";
        s.mapPreference = 0;
    }
    static int count(const std::string& text, const std::string& what) {
        int n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }

    std::string writeUR(const std::string& name, const std::vector<zastrings::StringRecord>& records) {
        zastrings::URWriter writer;
        EXPECT_TRUE(writer.open(dir_ + name) && writer.WriteURHeader());
        for (const auto& r : records) EXPECT_TRUE(writer.PutURRecord(r));
        EXPECT_TRUE(writer.finish());
        return dir_ + name;
    }

    // One import as a command runs it; its last error lands in error_.
    bool importUR(const std::string& path) {
        zastringimport::StringImport import;
        const bool read = import.importUR(path);
        error_ = import.lastError();
        return read;
    }
    bool importTR(const std::string& path, bool polyline3D = false) {
        zastringimport::StringImport import;
        import.setPolyline3D(polyline3D);
        const bool read = import.importTR(path);
        error_ = import.lastError();
        return read;
    }

    std::string error_;
};

// "TYPE@LAYER" of every entity, in drawing order.
inline std::string drawn() {
    std::string out;
    for (const Stored& e : storedEntities()) out += (out.empty() ? "" : " ") + e.type + "@" + e.text(8);
    return out;
}

inline std::vector<std::string> layerNames() {
    std::vector<std::string> names;
    for (const auto& record : zcad::currentDatabase().layers().records()) names.emplace_back(record.name());
    return names;
}
