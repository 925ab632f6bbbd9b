// System variables live in the drawing's header, so what a command sets is
// what the saved file carries.
#include <cstdlib>
#include <cstring>
#include <string>

#include "arx/acedads.h"
#include "list_codec.h"
#include "zcad/database.h"

using namespace zcad;

namespace {

std::string headerName(const ACHAR* name) { return std::string("$") + name; }

// Variables that must name an existing record.
SymbolTable* referencedTable(Database& db, std::string_view var) {
    if (var == "$CLAYER") return &db.layers();
    if (var == "$TEXTSTYLE") return &db.styles();
    if (var == "$CELTYPE") return &db.linetypes();
    return nullptr;
}

}  // namespace

int acedGetVar(const ACHAR* name, resbuf* result) {
    if (!name || !result) return RTERROR;
    const HeaderVar* var = currentDatabase().headerVar(headerName(name));
    if (!var || var->groups.empty()) return RTERROR;
    resbuf* value = groupToResbuf(var->groups[0].view());
    if (!value) return RTERROR;
    switch (var->groups[0].kind) {
    case GroupKind::String:
        result->restype = RTSTR;
        result->resval.rstring = value->resval.rstring;
        value->resval.rstring = nullptr;
        break;
    case GroupKind::Real:
        result->restype = RTREAL;
        result->resval.rreal = value->resval.rreal;
        break;
    case GroupKind::Point:
        result->restype = var->groups[0].flat ? RTPOINT : RT3DPOINT;
        std::memcpy(result->resval.rpoint, value->resval.rpoint, sizeof result->resval.rpoint);
        break;
    case GroupKind::Int16:
        result->restype = RTSHORT;
        result->resval.rint = value->resval.rint;
        break;
    case GroupKind::Int32:
        result->restype = RTLONG;
        result->resval.rlong = value->resval.rlong;
        break;
    case GroupKind::Int64:
        result->restype = RTINT64;
        result->resval.mnInt64 = value->resval.mnInt64;
        break;
    }
    acutRelRb(value);
    return RTNORM;
}

namespace {

int assign(Database& db, const std::string& varName, OwnedGroup& g, const resbuf* value) {
    switch (g.kind) {
    case GroupKind::String: {
        if (value->restype != RTSTR || !value->resval.rstring) return RTERROR;
        SymbolTable* table = referencedTable(db, varName);
        const TableRecord* record = table ? table->find(value->resval.rstring) : nullptr;
        if (table && !record) return RTERROR;
        g.text = record ? std::string(record->name()) : std::string(value->resval.rstring);
        return RTNORM;
    }
    case GroupKind::Real:
        if (value->restype == RTREAL || value->restype == RTANG) g.xyz[0] = value->resval.rreal;
        else if (value->restype == RTSHORT) g.xyz[0] = value->resval.rint;
        else return RTERROR;
        return RTNORM;
    case GroupKind::Point:
        if (value->restype != RTPOINT && value->restype != RT3DPOINT) return RTERROR;
        g.xyz[0] = value->resval.rpoint[0];
        g.xyz[1] = value->resval.rpoint[1];
        if (value->restype == RT3DPOINT) g.xyz[2] = value->resval.rpoint[2];
        return RTNORM;
    case GroupKind::Int16:
    case GroupKind::Int32:
    case GroupKind::Int64:
        if (value->restype == RTSHORT) g.integer = value->resval.rint;
        else if (value->restype == RTLONG) g.integer = value->resval.rlong;
        else return RTERROR;
        return RTNORM;
    }
    return RTERROR;
}

}  // namespace

int acedSetVar(const ACHAR* name, const resbuf* value) {
    if (!name || !value) return RTERROR;
    Database& db = currentDatabase();
    const std::string varName = headerName(name);
    HeaderVar* var = db.headerVar(varName);
    if (!var || var->groups.empty()) return RTERROR;
    const int status = assign(db, varName, var->groups[0], value);
    if (status == RTNORM) db.noteChange();
    return status;
}
