// URIN and TRIN as the user meets them: dialogs, questions, refusals and
// the current job.
#include <gmock/gmock.h>

#include <filesystem>
#include <string>

#include "settings/current_job.h"
#include "string_import_fixture.h"
#include "string_import/string_import_commands.h"
#include "strings/tr_format.h"

using namespace zastrings;
using namespace zastringimport;

class ImportCommandTest : public StringImportTest {
protected:
    std::string currentJob() {
        std::string job;
        zaGetCurrentJob(job);
        return job;
    }
};

TEST_F(ImportCommandTest, URINAsksFor3DAndRecordsTheJob) {
    zaSettings().useDialogs = false;
    zaSettings().saveJobURIN = true;
    const auto path = writeUR("survey01.ur1", {rec(1, 0, 0, 0), rec(1, 1, 1, 1)});
    driver().answerNextFile(path);
    driver().answerNextBox(IDYES);
    zaURIN();
    EXPECT_THAT(output_, testing::HasSubstr("\n\"URIN UR Import Version V3.0.0  (Feb 2013)\"\n"));
    EXPECT_THAT(output_, testing::HasSubstr("Importing as 3D Polylines Yes (uses elevation)\n"));
    EXPECT_EQ(driver().boxes().at(0).box.text, "Import as a 3D Polyline?");
    EXPECT_EQ(driver().fileRequests().at(0).filter, "Zarvo UR File (*.ur?)|*.ur?||");
    EXPECT_EQ(storedEntities().at(0).integer(70), 8);
    EXPECT_EQ(currentJob(), dir_ + "survey01.xx1");
    EXPECT_THAT(output_, testing::HasSubstr("parameter file has been saved as current job."));
}

TEST_F(ImportCommandTest, URINRefusesOtherFilesAndRecordsNoRefusedOne) {
    zaSettings().saveJobURIN = true;
    driver().answerNextFile(writeUR("survey.ur1", {rec(0, 1, 1, 1)}));
    zaURIN();
    EXPECT_THAT(output_, testing::HasSubstr("Invalid file selected must be a ur file.. aborting "));

    driver().answerNextFile(write("survey01.ur1", "not a UR file"));
    zaURIN();
    EXPECT_THAT(output_, testing::HasSubstr("Bad size for UR file"));
    EXPECT_THAT(output_, testing::Not(testing::HasSubstr("saved as current job")));
    EXPECT_EQ(storedTypes(), "");
}

TEST_F(ImportCommandTest, URINSaysWhyBeneathItsRefusal) {
    std::filesystem::create_directory(dir_ + "folder.ur1");
    std::string whole;
    {
        const auto path = writeUR("whole001.ur1", {rec(1, 0, 0, 0), rec(1, 1, 1, 1), rec(1, 2, 2, 2)});
        whole = read(path);
    }
    const std::pair<std::string, std::string> cases[] = {
        {dir_ + "missing.ur1", "file not found"},
        {dir_ + "folder.ur1", "is a directory"},
        {write("empty.ur1", ""), "empty"},
        {write("cut.ur1", whole.substr(0, whole.size() - 30)), "ends inside record 3"},
        {write("head.ur1", whole.substr(0, 100)), "ends inside its header, block 2"},
        {write("whole.ur1", whole), "the name must have 8 characters"},
    };
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        output_.clear();
        driver().answerNextFile(path);
        zaURIN();
        EXPECT_THAT(output_, testing::HasSubstr("Invalid file selected must be a ur file.. aborting \n" + reason));
    }
    EXPECT_EQ(storedTypes(), "");
}

TEST_F(ImportCommandTest, TRINNeedsThePenTableAndAsksFor3D) {
    std::string text(kTRHeaderLine);
    for (int i = 0; i < 3; ++i) appendTRLine(text, 1, i, i, i, i, "");
    const auto path = write("survey01.tr1", text);
    zaTRIN();
    EXPECT_THAT(output_, testing::HasSubstr("\nThe Zarvo Software system file '" + install_ +
                                            "plot.pen' does not exist.  Contact vendor"));
    EXPECT_TRUE(driver().fileRequests().empty());

    write(install_ + "plot.pen", "PLOT.PEN\r\n");
    zaSettings().useDialogs = false;
    zaSettings().saveJobTRIN = true;
    driver().answerNextFile(path);
    answer({"No"});
    zaTRIN();
    EXPECT_EQ(drawn(), "POLYLINE@0 VERTEX@0 VERTEX@0 VERTEX@0 SEQEND@0");
    EXPECT_EQ(storedEntities().at(0).integer(70), 0);
    EXPECT_THAT(output_, testing::HasSubstr("\n*TR file has been saved as current job.*\n\n*ImportTrFile - Completed*\n"));
    EXPECT_EQ(currentJob(), dir_ + "survey01.xx1");
}

TEST_F(ImportCommandTest, TRINReportsAFailedImportAndRecordsNothing) {
    write(install_ + "plot.pen", "PLOT.PEN\r\n");
    zaSettings().saveJobTRIN = true;
    std::string text;
    for (int i = 0; i < 2; ++i) appendTRLine(text, 0, i, i, i, i, "KB");
    driver().answerNextFile(write("twoline1.tr1", text));
    zaTRIN();
    EXPECT_THAT(output_, testing::HasSubstr("\n*ImportTrFile - Help\n\n*ImportTrFile - \nPoints converted 2"));
    EXPECT_THAT(output_, testing::HasSubstr("\n** \nPoints converted 2"));
    EXPECT_THAT(output_, testing::Not(testing::HasSubstr("*ImportTrFile - Completed*")));
    EXPECT_EQ(count(storedTypes(), "POINT"), 2);

    output_.clear();
    driver().answerNextFile(write("random01.tr1", std::string("\x01\x02 garbage\n\xff\xfe more\n")));
    zaTRIN();
    EXPECT_THAT(output_, testing::HasSubstr("\n*ImportTrFile - \nGood lines 0 bad lines 1 please check."));
    EXPECT_THAT(output_, testing::Not(testing::HasSubstr("Completed")));
    EXPECT_EQ(storedTypes(), "POINT POINT ");

    driver().answerNextFile(std::nullopt);
    zaTRIN();
    EXPECT_THAT(output_, testing::HasSubstr("\n*ImportTrFile - Cancelled*\n"));
}
