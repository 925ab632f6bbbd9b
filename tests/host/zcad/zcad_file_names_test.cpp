// File names with é, ü, a blank and an apostrophe reach the files they name
// through every import, every export, SAVEAS and --save, from a script; the
// installation directory has such a name too. The module holds each name in
// its code page, where "relevé01" is the eight letters a job name must have.
#include "zcad_fixture.h"

namespace {

using FileNames = ZcadRun;

TEST_F(FileNames, EveryImportAndExportOfAScriptFindsItsFile) {
    const std::filesystem::path install = dir_ / "zarvo é";
    std::filesystem::copy(source("share/zarvo"), install);
    std::filesystem::copy_file(source("examples/strings1.ur1"), path("relevé01.ur1"));
    std::filesystem::copy_file(source("examples/strings1.tr1"), path("d'été ü1.tr1"));
    std::filesystem::copy_file(source("examples/hillside.ut1"), path("collinée.ut1"));
    std::filesystem::copy_file(source("examples/hillside.up1"), path("collinée.up1"));
    std::filesystem::copy_file(source("examples/plot2d.p01"), path("plan été.p01"));
    std::filesystem::copy_file(source("examples/strings.map"), path("carte é.map"));
    const std::string script = "URIN\n" + path("relevé01.ur1") + "\nYes\n" + path("carte é.map") +
                               "\nTRIN\n" + path("d'été ü1.tr1") + "\nNo\n" + path("carte é.map") +
                               "\nUTIN\nBreaklines\n" + path("collinée.ut1") + "\nFaces\n" +
                               "PFIN\n" + path("plan été.p01") + "\n" +
                               "TROUT\nALL\n\nOk\n" + path("exporté1.tr1") + "\nQuarterly\n2\n" +
                               "UROUT\nALL\n\nOk\n" + path("exporté2.ur1") + "\nQuarterly\n2\n" +
                               "PFOUT\n" + path("plané002.p01") + "\nALL\n\nAll\nNone\n" +
                               "SAVEAS " + path("dessin é") + "\n";
    write(path("run.scr"), script);
    auto o = options({"--script", path("run.scr"), "--save", path("résultat ü.dxf")});
    o.environment.push_back("ZARV$PROG=" + install.string() + "/");
    o.directory = source("");  // the settings name the control file from there
    ZcadProcess zcad(o);
    ASSERT_EQ(zcad.wait(120), 0) << zcad.output();
    const std::string& out = zcad.output();
    EXPECT_NE(out.find("URIN load <" + path("relevé01.ur1") + ">"), std::string::npos) << out;
    EXPECT_NE(out.find("The selected plot file is " + path("plan été.p01")), std::string::npos) << out;
    for (const char* made : {"exporté1.tr1", "exporté2.ur1", "plané002.p01", "dessin é.dxf", "résultat ü.dxf"}) {
        EXPECT_GT(std::filesystem::file_size(path(made)), 1000u) << made;
    }
    // Layers from the map file, faces from the triangle model, texts from the plot file.
    const std::string drawing = read(path("résultat ü.dxf"));
    for (const char* kind : {"\nPOLYLINE\n", "\n3DFACE\n", "\nTEXT\n"}) {
        EXPECT_NE(drawing.find(kind), std::string::npos) << kind;
    }
}

}  // namespace
