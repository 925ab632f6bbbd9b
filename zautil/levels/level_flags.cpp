#include "levels/level_flags.h"

#include "arx/acedads.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"

ZaLayerPreference zaLayerPreference(int flags) {
    if (!(flags & kZaLevelLayerNotPrompt)) return ZaLayerPreference::Prompt;
    return flags & kZaLevelLayerDefined ? ZaLayerPreference::Defined : ZaLayerPreference::Current;
}

int zaWithLayerPreference(int flags, ZaLayerPreference preference) {
    const int rest = flags & ~(kZaLevelLayerNotPrompt | kZaLevelLayerDefined);
    switch (preference) {
    case ZaLayerPreference::Current:
        return rest | kZaLevelLayerNotPrompt;
    case ZaLayerPreference::Defined:
        return rest | kZaLevelLayerNotPrompt | kZaLevelLayerDefined;
    case ZaLayerPreference::Prompt:
        break;
    }
    return rest;
}

void zaAnnounceLayerPreference(ZaLayerPreference preference, const std::string& definedLayer) {
    switch (preference) {
    case ZaLayerPreference::Prompt:
        acutPrintf("Prompt for layer name \n");
        return;
    case ZaLayerPreference::Defined:
        acutPrintf("Use defined layer name from configuration \"%s\"\n", definedLayer.c_str());
        return;
    case ZaLayerPreference::Current:
        acutPrintf("Use current layer name \n");
        return;
    }
}

void zaStoreLevelSettings(int runFlags, int& liveFlags, const std::function<void(ZaSettings&)>& keep) {
    if (runFlags & kZaLevelSaveDefaults) {
        keep(zaSettings());
    } else {
        liveFlags &= ~kZaLevelSaveDefaults;
    }
    zaWriteAllSettings(zaSettings());
}
