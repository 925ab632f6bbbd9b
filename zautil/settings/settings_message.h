// The plain message box of the settings and current-job code: every
// failure they report to the user goes through here.
#pragma once

void zaSettingsMessage(const char* text);
