#include "settings/settings_message.h"

#include <platform/message_box.h>

void zaSettingsMessage(const char* text) { AfxMessageBox(text ? text : "", MB_OK); }
