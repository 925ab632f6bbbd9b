#include "levels/level_selection.h"

#include <memory>

#include "arx/acedads.h"
#include "shell/za_advice.h"

ZaLevelSelection::ZaLevelSelection(const char* type) {
    if (type && *type) filter_ = acutBuildList(RTDXF0, type, 0);
}

ZaLevelSelection::~ZaLevelSelection() {
    release();
    acutRelRb(filter_);
}

void ZaLevelSelection::release() {
    if (held_) acedSSFree(set_);
    held_ = false;
}

std::optional<int> ZaLevelSelection::choose(const ZaSelectionTexts& texts) {
    for (;;) {
        release();
        acutPrintf("%s", texts.prompt);
        const int status = acedSSGet(nullptr, nullptr, nullptr, filter_, set_);
        switch (status) {
        case RTNORM:
            held_ = true;
            break;
        case RTCAN:
            return std::nullopt;
        case RTNONE:
        case RTERROR:
            if (texts.none) zaAdviceMessage(texts.none);
            if (texts.nonePrinted) acutPrintf("%s", texts.nonePrinted);
            return std::nullopt;
        case RTREJ:
            zaAdviceMessage(texts.rejected);
            return std::nullopt;
        case RTKWORD:
            zaAdviceMessage(texts.keyword);
            return std::nullopt;
        default:
            zaAdviceMessage(texts.unknown);
            return std::nullopt;
        }
        ads_int32 count = 0;
        if (acedSSLength(set_, &count) != RTNORM) {
            zaAdviceMessage(texts.lengthFailed);
            return std::nullopt;
        }
        if (count > 0) return count;
        if (!texts.empty) return std::nullopt;
        acutPrintf("%s", texts.empty);
    }
}

bool ZaLevelSelection::forEach(int count, const char* nameFailed, const char* readFailed,
                               const std::function<bool(const resbuf*)>& visit) const {
    for (int index = 0; index < count; ++index) {
        ads_name entity;
        if (!held_ || acedSSName(set_, index, entity) != RTNORM) {
            zaAdviceMessage(nameFailed);
            return false;
        }
        const std::unique_ptr<resbuf, int (*)(resbuf*)> list(acdbEntGet(entity), acutRelRb);
        if (!list) {
            zaAdviceMessage(readFailed);
            return false;
        }
        if (!visit(list.get())) return false;
    }
    return true;
}

const resbuf* zaFindGroup(const resbuf* list, int code) {
    for (; list; list = list->rbnext) {
        if (list->restype == code) return list;
    }
    return nullptr;
}

const char* zaGroupText(const resbuf* group, const char* fallback) {
    // The host types a group by its code: codes 0 to 9 hold strings.
    if (group && group->restype >= 0 && group->restype <= 9 && group->resval.rstring) return group->resval.rstring;
    return fallback;
}
