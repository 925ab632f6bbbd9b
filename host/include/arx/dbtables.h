// The working database's layer and text-style tables, opened and closed as
// records the way the host's object interface has them. Objects returned by
// the get calls are released with close(); a record given to add() belongs
// to the table but must still be closed by the caller.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "acerr.h"
#include "adsdef.h"

#pragma GCC visibility push(default)

namespace AcDb {
enum OpenMode { kForRead = 0, kForWrite = 1, kForNotify = 2 };
}

class AcDbLayerTableRecord {
public:
    AcDbLayerTableRecord() = default;
    Acad::ErrorStatus getName(const ACHAR*& name) const;
    Acad::ErrorStatus setName(const ACHAR* name);
    short colorIndex() const { return colour_; }
    void setColorIndex(short colour) { colour_ = colour; }
    const ACHAR* linetypeName() const { return linetype_.c_str(); }
    void setLinetypeName(const ACHAR* name) { linetype_ = name; }
    bool isOff() const { return colour_ < 0; }
    Acad::ErrorStatus close();

private:
    friend class AcDbLayerTable;
    std::string name_;
    short colour_ = 7;
    std::string linetype_ = "CONTINUOUS";
    int flags_ = 0;
    bool writable_ = true;
    bool resident_ = false;  // added to a table
};

class AcDbTextStyleTableRecord {
public:
    Acad::ErrorStatus getName(const ACHAR*& name) const;
    Acad::ErrorStatus setName(const ACHAR* name);
    Acad::ErrorStatus setFont(const ACHAR* typeface, bool bold, bool italic, int charset, int pitchAndFamily);
    Acad::ErrorStatus font(const ACHAR*& typeface) const;
    ads_real textSize() const { return size_; }
    Acad::ErrorStatus setTextSize(ads_real size);
    ads_real xScale() const { return xScale_; }
    Acad::ErrorStatus setXScale(ads_real scale);
    ads_real obliquingAngle() const { return oblique_; }
    Acad::ErrorStatus setObliquingAngle(ads_real radians);
    const ACHAR* fileName() const { return file_.c_str(); }
    Acad::ErrorStatus close();

private:
    friend class AcDbTextStyleTable;
    std::string name_;
    std::string file_;
    std::string typeface_;
    ads_real size_ = 0.0;
    ads_real xScale_ = 1.0;
    ads_real oblique_ = 0.0;
    std::int64_t flags_ = 0;
    bool fontSet_ = false;
    bool writable_ = false;
};

class AcDbLayerTable {
public:
    bool has(const ACHAR* name) const;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbLayerTableRecord*& record, AcDb::OpenMode mode) const;
    Acad::ErrorStatus add(AcDbLayerTableRecord* record);
    std::vector<std::string> names() const;
    Acad::ErrorStatus close();

private:
    friend class AcDbDatabase;
    bool writable_ = false;
};

class AcDbTextStyleTable {
public:
    bool has(const ACHAR* name) const;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbTextStyleTableRecord*& record, AcDb::OpenMode mode) const;
    std::vector<std::string> names() const;
    Acad::ErrorStatus close();

private:
    friend class AcDbDatabase;
    bool writable_ = false;
};

class AcDbDatabase {
public:
    Acad::ErrorStatus getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode);
    Acad::ErrorStatus getTextStyleTable(AcDbTextStyleTable*& table, AcDb::OpenMode mode);
};

class AcDbHostApplicationServices {
public:
    AcDbDatabase* workingDatabase();
    // The host's own key under HKEY_LOCAL_MACHINE; its text value
    // "AcadLocation" is the host's installation directory.
    const ACHAR* getMachineRegistryProductRootKey() const;
};

inline constexpr const char* kZcadProductKey = "Software\\zcad\\R20.0";
AcDbHostApplicationServices* acdbHostApplicationServices();

#pragma GCC visibility pop
