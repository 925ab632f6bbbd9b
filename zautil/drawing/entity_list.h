// An entity's list as acdbEntGet hands it out, released with the holder.
#pragma once

#include <memory>

#include "arx/acedads.h"

namespace zadrawing {

struct ReleaseList {
    void operator()(resbuf* list) const { acutRelRb(list); }
};
using EntityList = std::unique_ptr<resbuf, ReleaseList>;

// Null when the host cannot give the entity's list.
inline EntityList readEntity(const ads_name entity) { return EntityList(acdbEntGet(entity)); }

}  // namespace zadrawing
