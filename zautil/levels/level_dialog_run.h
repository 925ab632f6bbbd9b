// Showing a level tool's prompt dialog: the resource handle pushed around
// it, and the question asked when it cannot be shown.
#pragma once

#include <platform/dialog.h>

enum class ZaDialogRun { Confirmed, Cancelled, NotShown };

// Runs the dialog; when it cannot be shown, asks whether to go on with the
// settings as they stand (Yes: NotShown, No: Cancelled), after printing
// `failedLine`. `result` gets the dialog's own code.
ZaDialogRun zaRunLevelDialog(zplat::Dialog& dialog, int& result, const char* failedLine = "");
