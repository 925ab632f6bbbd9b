#include "settings/settings_record.h"

ZaSettings& zaSettings() {
    static ZaSettings settings;
    return settings;
}
