#include "dialogs/urout_options.h"

#include <algorithm>

int zaLastCharsInRange(int n) { return std::clamp(n, kZaLastCharsLeast, kZaLastCharsMost); }

ZaUROutOptions zaUROutOptions(const ZaSettings& settings) {
    ZaUROutOptions options;
    options.breakup = {settings.xyzBreakup, settings.xyzRounding, settings.xyzValue};
    options.lastNumberText = zaLastCharsInRange(settings.xyzLastNumberText);
    options.createNote = settings.xyzCreateNote;
    options.last8Layer = settings.xyzLast8Layer;
    options.useText = settings.xyzUseText;
    options.createPoint = settings.xyzCreatePoint;
    return options;
}

void zaStoreUROutOptions(const ZaUROutOptions& options, ZaSettings& settings) {
    settings.xyzBreakup = options.breakup.type;
    settings.xyzRounding = options.breakup.rounding;
    settings.xyzValue = options.breakup.value;
    settings.xyzLastNumberText = options.lastNumberText;
    settings.xyzCreateNote = options.createNote;
    settings.xyzLast8Layer = options.last8Layer;
    settings.xyzUseText = options.useText;
    settings.xyzCreatePoint = options.createPoint;
}
