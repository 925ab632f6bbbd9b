// The transfer file read back by an XML parser: well-formed whatever the
// name, its lines ended by CR LF, one Lot per lot with its ring.
#include <gtest/gtest.h>
#include <tinyxml2.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pads/adac_file.h"
#include "padlev_fixture.h"

using namespace zapads;

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const tinyxml2::XMLElement* child(const tinyxml2::XMLNode* parent, const char* name) {
    return parent ? parent->FirstChildElement(name) : nullptr;
}

std::string textOf(const tinyxml2::XMLElement* e) { return e && e->GetText() ? e->GetText() : ""; }

class AdacFile : public ::testing::Test {
protected:
    void SetUp() override { path_ = (std::filesystem::temp_directory_path() / ("adac_" + std::to_string(::getpid()) + ".txt")).string(); }
    void TearDown() override { std::filesystem::remove(path_); }

    std::string write(const std::string& name, const std::vector<std::vector<ZaPoint>>& lots) {
        AdacTransferFile file;
        EXPECT_TRUE(file.open(path_));
        std::tm when{};  // 2014-05-07 09:05:03
        when.tm_year = 114, when.tm_mon = 4, when.tm_mday = 7, when.tm_hour = 9, when.tm_min = 5, when.tm_sec = 3;
        file.writeHead(name, {-12.5, 3.2, 100.7, 250.0}, when);
        int lot = 98;
        for (const auto& ring : lots) {
            file.writeLot(lot, 601 + lot, ring);
            ++lot;
        }
        EXPECT_TRUE(file.finish());
        return readAll(path_);
    }

    std::string path_;
};

}  // namespace

TEST_F(AdacFile, OneLotPerLotWithItsNumberAreaAndRing) {
    const std::vector<ZaPoint> square{{0, 0}, {20, 0}, {20, 30}, {0, 30}, {0, 0}};
    const std::vector<ZaPoint> other{{20, 0}, {45, 0}, {45, 30}, {20, 0}};
    const std::string text = write("cadastra.txt", {square, other});
    ASSERT_EQ(strictXmlCheck(path_), "OK\n");

    tinyxml2::XMLDocument doc;
    ASSERT_EQ(doc.Parse(text.c_str(), text.size()), tinyxml2::XML_SUCCESS) << doc.ErrorStr();
    const auto* root = doc.FirstChildElement("adac:ADAC");
    ASSERT_NE(root, nullptr);
    EXPECT_STREQ(root->Attribute("version"), "4.0.0");
    const auto* project = child(root, "adac:Project");
    EXPECT_EQ(textOf(child(project, "adac:ExportDateTime")), "2014-05-07T09:05:03");
    EXPECT_EQ(textOf(child(project, "adac:Name")), "cadastra.txt");
    const auto corner = [&](const char* name) {
        const auto* c = child(child(project, "adac:DrawingExtents"), name);
        return textOf(child(c, "adac:X")) + "," + textOf(child(c, "adac:Y"));
    };
    EXPECT_EQ(corner("adac:SouthWest"), "-18,-2");
    EXPECT_EQ(corner("adac:NorthEast"), "106,255");

    // Lot numbers in order are the end-to-end test's.
    const auto* parcels = child(child(child(project, "adac:ProjectData"), "adac:Cadastre"), "adac:LandParcels");
    std::vector<const tinyxml2::XMLElement*> lots;
    for (const auto* l = child(parcels, "adac:Lot"); l; l = l->NextSiblingElement("adac:Lot")) lots.push_back(l);
    ASSERT_EQ(lots.size(), 2u);
    EXPECT_EQ(textOf(child(lots[0], "adac:ObjectId")), "cad_CadastralParcel_00098");
    EXPECT_EQ(textOf(child(lots[0], "adac:LotNo")), "98");
    EXPECT_EQ(textOf(child(lots[0], "adac:TitledArea_sqm")), "699.00");
    const auto* segment = child(child(child(child(lots[0], "adac:Geometry"), "adac:Polygon"), "adac:Ring"), "adac:PolySegment");
    std::vector<std::string> xs;
    for (const auto* v = child(segment, "adac:Vertex"); v; v = v->NextSiblingElement("adac:Vertex")) {
        xs.push_back(textOf(child(v, "adac:X")) + "," + textOf(child(v, "adac:Y")));
    }
    EXPECT_EQ(xs, (std::vector<std::string>{"0.00000,0.00000", "20.00000,0.00000", "20.00000,30.00000",
                                            "0.00000,30.00000", "0.00000,0.00000"}));
}

TEST_F(AdacFile, EveryLineEndsInCrLfAndANameIsEscaped) {
    const std::string text = write("R&D <lots> \"a\" 'b'.txt", {});
    EXPECT_EQ(strictXmlCheck(path_), "OK\n");
    for (std::size_t i = 1; i < text.size(); ++i) EXPECT_FALSE(text[i] == '\n' && text[i - 1] != '\r') << i;
    EXPECT_EQ(text.substr(0, 24), "<?xml version=\"1.0\" ?>\r\n");
    EXPECT_EQ(text.substr(text.size() - 14), "</adac:ADAC>\r\n");

    tinyxml2::XMLDocument doc;
    ASSERT_EQ(doc.Parse(text.c_str(), text.size()), tinyxml2::XML_SUCCESS) << doc.ErrorStr();
    EXPECT_EQ(textOf(child(child(doc.FirstChildElement("adac:ADAC"), "adac:Project"), "adac:Name")),
              "R&D <lots> \"a\" 'b'.txt");

    // Windows-1252 letters and a control character XML cannot hold.
    const std::string other = write("M\xFCller \x80\x01.txt", {});
    EXPECT_EQ(strictXmlCheck(path_), "OK\n");
    ASSERT_EQ(doc.Parse(other.c_str(), other.size()), tinyxml2::XML_SUCCESS) << doc.ErrorStr();
    EXPECT_EQ(textOf(child(child(doc.FirstChildElement("adac:ADAC"), "adac:Project"), "adac:Name")),
              "M\xC3\xBCller \xE2\x82\xAC\xEF\xBF\xBD.txt");
    for (const char c : other) EXPECT_LT(static_cast<unsigned char>(c), 0x80u) << "plain ASCII throughout";
}

TEST_F(AdacFile, TheStrictReaderRefusesWhatALenientOneReadsPast) {
    std::ofstream(path_) << "<adac:ADAC xmlns:adac=\"urn:a\"><adac:Name>R&D</adac:Name></adac:ADAC>";
    EXPECT_NE(strictXmlCheck(path_), "OK\n") << "a bare ampersand";
    std::ofstream(path_) << "<adac:ADAC><adac:Name>R</adac:Name></adac:ADAC>";
    EXPECT_NE(strictXmlCheck(path_), "OK\n") << "an undeclared prefix";
}

TEST_F(AdacFile, AFileThatCannotBeCreatedSaysSo) {
    AdacTransferFile file;
    EXPECT_FALSE(file.open("/nonexistent-directory/cadastra.txt"));
}
