// The two-digit justification code of a plot file text, horizontal digit
// first (left 0, centre 1, right 2; baseline 0, middle 1, top 2): the code
// the plot import reads and the text builder places a text by.
#pragma once

#include "plot/plot_entity.h"

struct ZaPlotTextPlace {
    int code = 0;
    const double* at = nullptr;  // the point the code places the text by
    double radians = 0;
};

// TEXT: from groups 72 and 73, at group 11 (10 for code 0, or when 11 is
// missing). Bottom counts as baseline; "middle" (72 = 4) is centre middle;
// aligned, fit and unknown justifications are left on the baseline from
// group 10, where the text starts.
int zaTextJustificationCode(int horizontal, int vertical);
// MTEXT: from its attachment point (group 71, 1 to 9 from top left to
// bottom right), at its insertion point, group 10.
int zaMTextJustificationCode(int attachment);

// Where and how the text entity stands; `at` is null when it has no point.
ZaPlotTextPlace zaPlotTextPlace(const ZaPlotEntity& text);
