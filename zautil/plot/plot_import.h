// The import of plot files into the drawing: PFIN draws one, the plot queue
// draws each file it is given. One object per command.
#pragma once

#include <string>

#include "plot/plot_text_settings.h"
#include "settings/za_env.h"

class ZaPlotImport {
public:
    // Looks up the installation, its plot tables and the current job, and
    // takes the text settings; says why when it is not ready.
    ZaPlotImport();

    bool ready() const { return ready_; }
    const ZsAcEnviron& environment() const { return env_; }

    void setUpTextStyle() const;
    // Draws the file with plot.lay of the installation, colours the layers
    // it used, prints the summary and zooms to what it drew. False, said,
    // when the file could not be read or held no plot record.
    bool readPlotFile(const std::string& path);

private:
    bool prepare();

    ZsAcEnviron env_;
    bool ready_ = false;
    ZaPlotTextSettings text_;
    bool colourLayers_ = false;
};
