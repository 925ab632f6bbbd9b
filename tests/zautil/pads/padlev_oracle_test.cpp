// PADLEV end to end from zcad on a generated subdivision, in cadastral mode
// with the transfer file: every lot's area against shapely's polygonize of
// the same linework, the drawing checked by ezdxf, and the transfer file
// read back with one Lot per lot.
#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "padlev_fixture.h"
#include "run_command.h"
#include "subdivision_generator.h"
#include "zcad/dxf.h"

namespace {

// A value of the store's text set, whatever it held.
void setValue(std::string& reg, const std::string& name, const std::string& value) {
    const std::string key = "\"" + name + "\"=";
    const auto at = reg.find(key);
    ASSERT_NE(at, std::string::npos) << name;
    reg.replace(at, reg.find_first_of("\r\n", at) - at, key + value);
}

// The example settings with PADLEV in cadastral mode, texts as levels, the
// transfer file written, and arcs broken by a fine flatness, asking nothing.
std::string settings(const std::string& transfer) {
    std::ifstream in(ZCAD_SOURCE_DIR "/examples/strings.reg", std::ios::binary);
    std::string reg{std::istreambuf_iterator<char>(in), {}};
    setValue(reg, "Coordinate System Defaults", "dword:00000001");
    setValue(reg, "UROut Use Defaults", "dword:00000001");
    setValue(reg, "UROut Breakup", "dword:00000001");
    setValue(reg, "UROut Value", "\"0.00100\"");
    setValue(reg, "CadPad Cad or level", "dword:00000000");
    setValue(reg, "CadPad use text", "dword:00000001");
    setValue(reg, "CadPad newlayer", "dword:00000001");
    setValue(reg, "CadPad start lot", "\"1\"");
    setValue(reg, "CadPad transfer", "dword:00000001");
    setValue(reg, "CadPad cadFileName", "\"" + transfer + "\"");
    return reg;
}

}  // namespace

class PadlevOracle : public ZarvoTest {};

TEST_F(PadlevOracle, EveryLotAgreesWithShapelyAndTheTransferFileListsThem) {
    if (!haveEzdxf()) GTEST_SKIP() << "ezdxf is not installed for /usr/bin/python3";
    zapads::SubdivisionShape shape;
    shape.lots = 60;
    ASSERT_TRUE(zapads::drawSubdivision(zapads::makeSubdivision(shape)));
    const std::string input = dir_ + "subdivision.dxf";
    const zcad::DxfVersion version = zcad::DxfVersion::R2000;
    std::string error;
    ASSERT_TRUE(zcad::writeDxf(input, db(), &version, error)) << error;

    const std::string transfer = dir_ + "cadastra.txt";
    write("registry.reg", settings(transfer));
    write("padlev.scr", "PADLEV\nALL\n\n");
    const std::string output = dir_ + "lots.dxf";
    int status = 0;
    const std::string run = runCommand(std::string(ZCAD_BINARY_DIR) + "/zcad --drawing " + input + " --script " + dir_ +
                                           "padlev.scr --save " + output + " </dev/null",
                                       status);
    ASSERT_EQ(status, 0) << run;
    EXPECT_NE(run.find("\nPolygons formed 60 \nIncomplete polygons (with text outside) 0\nComplete padlev\n"),
              std::string::npos)
        << run;

    const std::string checked = runCommand(
        "/usr/bin/python3 " ZCAD_SOURCE_DIR "/tests/zautil/pads/check_lots.py " + input + " " + output + " 0.05", status);
    ASSERT_EQ(checked.substr(0, 3), "OK\n") << checked;
    std::vector<double> oracle;
    std::istringstream areas(checked.substr(3));
    for (double a; areas >> a;) oracle.push_back(a);
    ASSERT_EQ(oracle.size(), 60u);

    ASSERT_EQ(strictXmlCheck(transfer), "OK\n");
    const std::string xml = read(transfer);
    tinyxml2::XMLDocument doc;
    const auto* parcels = landParcels(doc, xml);
    ASSERT_NE(parcels, nullptr) << doc.ErrorStr();
    int lot = 0;
    for (const auto* l = parcels->FirstChildElement("adac:Lot"); l; l = l->NextSiblingElement("adac:Lot"), ++lot) {
        SCOPED_TRACE(lot + 1);
        ASSERT_LT(lot, 60);
        EXPECT_EQ(std::atoi(l->FirstChildElement("adac:LotNo")->GetText()), lot + 1);
        EXPECT_NEAR(std::atof(l->FirstChildElement("adac:TitledArea_sqm")->GetText()), oracle[static_cast<std::size_t>(lot)], 0.05);
        const auto* segment = l->FirstChildElement("adac:Geometry")
                                  ->FirstChildElement("adac:Polygon")
                                  ->FirstChildElement("adac:Ring")
                                  ->FirstChildElement("adac:PolySegment");
        const auto* first = segment->FirstChildElement("adac:Vertex");
        const auto* last = segment->LastChildElement("adac:Vertex");
        ASSERT_NE(first, last);
        EXPECT_STREQ(first->FirstChildElement("adac:X")->GetText(), last->FirstChildElement("adac:X")->GetText());
        EXPECT_STREQ(first->FirstChildElement("adac:Y")->GetText(), last->FirstChildElement("adac:Y")->GetText());
    }
    EXPECT_EQ(lot, 60);
}
