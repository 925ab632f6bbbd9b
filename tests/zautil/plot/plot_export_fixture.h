// The plot commands in a test: an installation with plot.lay and plot.pen,
// and for PFOUT the plot file it writes, split into lines.
#pragma once

#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "../layers/plot_lay_text.h"
#include "../layers/zarvo_fixture.h"
#include "plot/pfout.h"
#include "settings/settings_record.h"

inline const std::string kPenHeader = "PLOT.PEN     1 APR-1997\r\n";

// A plot file's lines without their CRLF; the last is the unended "00".
inline std::vector<std::string> plotLines(const std::string& text) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    std::size_t from = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", from)) {
        lines.push_back(text.substr(from, end - from));
        from = end + 2;
    }
    lines.push_back(text.substr(from));
    return lines;
}

// An installation with plot tables; the settings a test changes are put back.
class PlotTest : public ZarvoTest {
protected:
    void SetUp() override {
        ZarvoTest::SetUp();
    }
    void tables(const std::vector<LayRow>& layers, const std::string& pens = "") {
        write(install_ + "plot.lay", plotLay(layers));
        write(install_ + "plot.pen", kPenHeader + pens + "/////\r\n");
    }
};

class PlotExportTest : public PlotTest {
protected:
    void SetUp() override {
        PlotTest::SetUp();
        zaSettings().restrictFileNameLength = true;
        zaSettings().xyzCreatePoint = true;
        zaSettings().saveJobPFOUT = false;
        tables({{5, 3, 1, "ROAD", "ROADTXT", "standard"}}, "ROAD,3,0,1,0.350000,000007\r\n");
    }
    // Runs PFOUT on a file of the test's directory, selecting everything
    // and answering the pen table's questions; the lines of the file.
    std::vector<std::string> pfout(const std::string& name, std::vector<std::string> answers = {}) {
        driver().answerNextFile(dir_ + name);
        std::vector<std::string> lines = {"ALL", ""};
        lines.insert(lines.end(), answers.begin(), answers.end());
        answer(lines);
        zaPFOUT();
        return plotLines(read(dir_ + name));
    }
    // The record types after the header: "3 4 5 1 2 ..." ("T" for a text line).
    static std::string types(const std::vector<std::string>& lines) {
        std::string out;
        for (std::size_t i = 4; i < lines.size(); ++i) {
            const bool text = lines[i - 1].starts_with(" 6");
            out += text ? "T" : std::to_string(std::atoi(lines[i].substr(0, 2).c_str()));
            if (i + 1 < lines.size()) out += ' ';
        }
        return out;
    }
};
