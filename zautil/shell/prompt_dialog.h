// A command's prompt dialog, which confirms or changes its settings for the
// run: shown under the module's resource handle, with the question asked
// when it cannot be shown.
#pragma once

#include <platform/dialog.h>

namespace zashell {

enum class PromptRun { Confirmed, Cancelled, NotShown };

// Runs the dialog; when it cannot be shown, asks whether to go on with the
// settings as they stand (Yes: NotShown, No: Cancelled), after printing
// `failedLine`. `result` gets the dialog's own code.
PromptRun runPromptDialog(zplat::Dialog& dialog, int& result, const char* failedLine = "");

}  // namespace zashell
