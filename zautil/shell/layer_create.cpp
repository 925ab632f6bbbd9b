#include "shell/layer_create.h"

#include "arx/dbtables.h"

ZaLayerMade zaEnsureLayer(const std::string& name) {
    AcDbLayerTable* table = nullptr;
    if (acdbHostApplicationServices()->workingDatabase()->getLayerTable(table, AcDb::kForWrite) != Acad::eOk) {
        return ZaLayerMade::Refused;
    }
    ZaLayerMade made = ZaLayerMade::Existed;
    if (!table->has(name.c_str())) {
        auto* record = new AcDbLayerTableRecord;
        record->setName(name.c_str());
        made = table->add(record) == Acad::eOk ? ZaLayerMade::Added : ZaLayerMade::Refused;
        record->close();
    }
    table->close();
    return made;
}
