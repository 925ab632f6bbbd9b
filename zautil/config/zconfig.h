// ZCONFIG: the configuration dialog on the process's settings, opened again
// for as long as it asks to be (after a restore, a reload or a loaded file).
#pragma once

void zaZConfig();
