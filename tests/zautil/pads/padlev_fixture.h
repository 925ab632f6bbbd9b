// PADLEV's settings for each test, linework and texts made through the
// host, and the lots it drew read back.
#pragma once

#include <tinyxml2.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "../layers/zarvo_fixture.h"
#include "run_command.h"
#include "pads/padlev.h"
#include "settings/settings_record.h"

// What the strict XML reader says of a file: "OK\n", or its first error.
inline std::string strictXmlCheck(const std::string& path) {
    int status = 0;
    return runCommand("/usr/bin/python3 " ZCAD_SOURCE_DIR "/tests/zautil/pads/check_xml.py '" + path + "'", status);
}

// The transfer file's LandParcels, parsed into doc; null when it is not XML.
inline const tinyxml2::XMLElement* landParcels(tinyxml2::XMLDocument& doc, const std::string& text) {
    if (doc.Parse(text.c_str(), text.size()) != tinyxml2::XML_SUCCESS) return nullptr;
    return doc.FirstChildElement("adac:ADAC")
        ->FirstChildElement("adac:Project")
        ->FirstChildElement("adac:ProjectData")
        ->FirstChildElement("adac:Cadastre")
        ->FirstChildElement("adac:LandParcels");
}

class PadlevTest : public ZarvoTest {
protected:
    void SetUp() override {
        ZarvoTest::SetUp();
        ZaSettings& s = zaSettings();
        s.useDialogs = true;
        s.coordinateUseDefaults = true;
        s.padCadOrLevel = false;  // cadastral
        s.padUseText = true;
        s.padUseBoundaryLevel = false;
        s.padBoundaryLevel = 0;
        s.padNewLayer = true;
        s.padLayerName = "lot";
        s.padStartLot = 1;
        s.padTransfer = false;
        s.padOffset = 0.5;
        s.padCadFileName = dir_ + "cadastra.txt";
        s.xyzUseDefaults = true;
        s.xyzBreakup = 1;  // flatness
        s.xyzValue = 0.01;
        s.xyzRounding = true;
    }
    // PADLEV with these answers (offset, selection, ...), then input ends.
    void padlev(std::vector<std::string> answers) {
        answer(std::move(answers));
        zaPADLEV();
    }
    void padlevOnAll() { padlev({"ALL", ""}); }

    static void rectangle(double x0, double y0, double x1, double y1) {
        makeLine(x0, y0, x1, y0);
        makeLine(x1, y0, x1, y1);
        makeLine(x1, y1, x0, y1);
        makeLine(x0, y1, x0, y0);
    }
    // A TEXT 2 high.
    static void text(double x, double y, const char* value) {
        const ads_point at = {x, y, 0};
        makeEntity(acutBuildList(RTDXF0, "TEXT", 8, "t", 10, at, 40, 2.0, 1, value, 0));
    }

    struct Boundary {
        std::string layer;
        std::int64_t colour = 0;
        std::int64_t flags = 0;
        std::vector<ZaPoint> vertices;
    };
    // The POLYLINEs PADLEV drew (on layers ending "_line"), in order.
    static std::vector<Boundary> boundaries() {
        std::vector<Boundary> found;
        bool inside = false;
        for (const Stored& e : storedEntities()) {
            if (e.type == "POLYLINE") {
                inside = e.text(8).ends_with("_line");
                if (inside) found.push_back({e.text(8), e.integer(62), e.integer(70), {}});
                continue;
            }
            if (e.type == "VERTEX" && inside) found.back().vertices.push_back(e.point(10));
            if (e.type == "SEQEND") inside = false;
        }
        return found;
    }
    // The labels PADLEV drew, as "layer: text".
    static std::vector<std::string> labels() {
        std::vector<std::string> found;
        for (const Stored& e : storedEntities()) {
            if (e.type == "TEXT" && e.text(8).ends_with("_text")) found.push_back(e.text(8) + ": " + e.text(1));
        }
        return found;
    }
};
