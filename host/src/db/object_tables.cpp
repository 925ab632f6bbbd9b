// The table objects of the host's object interface, over the database's
// symbol tables. Opened objects are copies written back when closed for
// write, which is how the host's open/close protocol behaves to a caller.
#include "arx/dbtables.h"
#include "list_codec.h"
#include "zcad/database.h"

using namespace zcad;

namespace {

std::vector<std::string> namesOf(const SymbolTable& table) {
    std::vector<std::string> names;
    for (const auto& record : table.records()) names.emplace_back(record.name());
    return names;
}

short colourOf(const TableRecord& record) {
    const OwnedGroup* g = record.find(62);
    return g ? static_cast<short>(g->integer) : 7;
}

double realOf(const TableRecord& record, int code, double fallback) {
    const OwnedGroup* g = record.find(code);
    return g ? g->real() : fallback;
}

std::string textOf(const TableRecord& record, int code) {
    const OwnedGroup* g = record.find(code);
    return g ? g->text : std::string();
}

// The TrueType typeface sits in the record's ACAD extended data.
std::string typefaceOf(const TableRecord& record) {
    bool inAcad = false;
    for (const auto& g : record.groups) {
        if (g.code == 1001) inAcad = g.text == "ACAD";
        if (inAcad && g.code == 1000) return g.text;
    }
    return {};
}

void setTypeface(TableRecord& record, const std::string& typeface, std::int64_t flags) {
    auto& groups = record.groups;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (groups[i].code != 1001 || groups[i].text != "ACAD") continue;
        std::size_t end = i + 1;
        while (end < groups.size() && groups[end].code > 1001) ++end;
        groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(i), groups.begin() + static_cast<std::ptrdiff_t>(end));
        break;
    }
    bool hasXdata = false;
    for (const auto& g : groups) hasXdata = hasXdata || g.code == -3;
    if (!hasXdata) groups.push_back(OwnedGroup::string(-3, ""));
    groups.push_back(OwnedGroup::string(1001, "ACAD"));
    groups.push_back(OwnedGroup::string(1000, typeface));
    groups.push_back(OwnedGroup::integral(1071, flags));
}

}  // namespace

const ACHAR* acadErrorStatusText(Acad::ErrorStatus status) {
    switch (status) {
    case Acad::eOk: return "eOk";
    case Acad::eNotImplementedYet: return "eNotImplementedYet";
    case Acad::eNotApplicable: return "eNotApplicable";
    case Acad::eInvalidInput: return "eInvalidInput";
    case Acad::eKeyNotFound: return "eKeyNotFound";
    case Acad::eDuplicateKey: return "eDuplicateKey";
    case Acad::eInvalidKey: return "eInvalidKey";
    case Acad::eNullObjectPointer: return "eNullObjectPointer";
    case Acad::eNotOpenForWrite: return "eNotOpenForWrite";
    case Acad::eNotOpenForRead: return "eNotOpenForRead";
    case Acad::eWasOpenForWrite: return "eWasOpenForWrite";
    case Acad::eDuplicateRecordName: return "eDuplicateRecordName";
    case Acad::eInvalidSymbolTableName: return "eInvalidSymbolTableName";
    case Acad::eIsWriteProtected: return "eIsWriteProtected";
    }
    return "eUnknown";
}

Acad::ErrorStatus AcDbLayerTableRecord::getName(const ACHAR*& name) const {
    name = name_.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::setName(const ACHAR* name) {
    if (!name || !isValidSymbolName(name)) return Acad::eInvalidInput;
    if (resident_) return Acad::eNotApplicable;
    name_ = name;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::close() {
    if (resident_ && writable_) {
        if (TableRecord* record = currentDatabase().layers().find(name_)) {
            record->set(OwnedGroup::integral(62, colour_));
            record->set(OwnedGroup::string(6, linetype_));
            currentDatabase().noteChange();
        }
    }
    delete this;
    return Acad::eOk;
}

bool AcDbLayerTable::has(const ACHAR* name) const { return name && currentDatabase().layers().find(name); }

Acad::ErrorStatus AcDbLayerTable::getAt(const ACHAR* name, AcDbLayerTableRecord*& record, AcDb::OpenMode mode) const {
    record = nullptr;
    const TableRecord* stored = name ? currentDatabase().layers().find(name) : nullptr;
    if (!stored) return Acad::eKeyNotFound;
    record = new AcDbLayerTableRecord;
    record->name_ = std::string(stored->name());
    record->colour_ = colourOf(*stored);
    record->linetype_ = stored->find(6) ? stored->find(6)->text : "CONTINUOUS";
    record->writable_ = mode == AcDb::kForWrite;
    record->resident_ = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTable::add(AcDbLayerTableRecord* record) {
    if (!writable_) return Acad::eNotOpenForWrite;
    if (!record || !isValidSymbolName(record->name_)) return Acad::eInvalidInput;
    Database& db = currentDatabase();
    if (db.layers().find(record->name_)) return Acad::eDuplicateRecordName;
    TableRecord stored;
    stored.groups = {OwnedGroup::string(2, record->name_), OwnedGroup::integral(70, record->flags_),
                     OwnedGroup::integral(62, record->colour_), OwnedGroup::string(6, record->linetype_)};
    db.layers().add(std::move(stored));
    db.noteChange();
    record->resident_ = true;
    record->writable_ = true;
    return Acad::eOk;
}

std::vector<std::string> AcDbLayerTable::names() const { return namesOf(currentDatabase().layers()); }

Acad::ErrorStatus AcDbLayerTable::close() {
    delete this;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::getName(const ACHAR*& name) const {
    name = name_.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setName(const ACHAR* name) {
    if (!name || !isValidSymbolName(name)) return Acad::eInvalidInput;
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setFont(const ACHAR* typeface, bool bold, bool italic, int charset,
                                                    int pitchAndFamily) {
    if (!writable_) return Acad::eNotOpenForWrite;
    if (!typeface) return Acad::eInvalidInput;
    typeface_ = typeface;
    flags_ = (static_cast<std::int64_t>(bold) << 25) | (static_cast<std::int64_t>(italic) << 24) |
             ((charset & 0xFF) << 8) | (pitchAndFamily & 0xFF);
    fontSet_ = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::font(const ACHAR*& typeface) const {
    typeface = typeface_.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setTextSize(ads_real size) {
    if (!writable_) return Acad::eNotOpenForWrite;
    if (size < 0) return Acad::eInvalidInput;
    size_ = size;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setXScale(ads_real scale) {
    if (!writable_) return Acad::eNotOpenForWrite;
    if (scale <= 0) return Acad::eInvalidInput;
    xScale_ = scale;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setObliquingAngle(ads_real radians) {
    if (!writable_) return Acad::eNotOpenForWrite;
    oblique_ = radians;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::close() {
    if (writable_) {
        if (TableRecord* record = currentDatabase().styles().find(name_)) {
            record->set(OwnedGroup::real(40, size_));
            record->set(OwnedGroup::real(41, xScale_));
            record->set(OwnedGroup::real(50, oblique_));
            currentDatabase().noteChange();
            if (fontSet_) setTypeface(*record, typeface_, flags_);
        }
    }
    delete this;
    return Acad::eOk;
}

bool AcDbTextStyleTable::has(const ACHAR* name) const { return name && currentDatabase().styles().find(name); }

Acad::ErrorStatus AcDbTextStyleTable::getAt(const ACHAR* name, AcDbTextStyleTableRecord*& record,
                                            AcDb::OpenMode mode) const {
    record = nullptr;
    const TableRecord* stored = name ? currentDatabase().styles().find(name) : nullptr;
    if (!stored) return Acad::eKeyNotFound;
    record = new AcDbTextStyleTableRecord;
    record->name_ = std::string(stored->name());
    record->file_ = textOf(*stored, 3);
    record->typeface_ = typefaceOf(*stored);
    record->size_ = realOf(*stored, 40, 0.0);
    record->xScale_ = realOf(*stored, 41, 1.0);
    record->oblique_ = realOf(*stored, 50, 0.0);
    record->writable_ = mode == AcDb::kForWrite;
    return Acad::eOk;
}

std::vector<std::string> AcDbTextStyleTable::names() const { return namesOf(currentDatabase().styles()); }

Acad::ErrorStatus AcDbTextStyleTable::close() {
    delete this;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode) {
    table = new AcDbLayerTable;
    table->writable_ = mode == AcDb::kForWrite;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::getTextStyleTable(AcDbTextStyleTable*& table, AcDb::OpenMode mode) {
    table = new AcDbTextStyleTable;
    table->writable_ = mode == AcDb::kForWrite;
    return Acad::eOk;
}

AcDbDatabase* AcDbHostApplicationServices::workingDatabase() {
    static AcDbDatabase working;
    return &working;
}

const ACHAR* AcDbHostApplicationServices::getMachineRegistryProductRootKey() const { return kZcadProductKey; }

AcDbHostApplicationServices* acdbHostApplicationServices() {
    static AcDbHostApplicationServices services;
    return &services;
}
