#include "shell/text_style.h"

#include <memory>
#include <optional>

#include "arx/acedads.h"
#include "arx/dbtables.h"
#include "files/text_rules.h"

namespace {

// Host objects are given back with close(), on every way out.
struct Closer {
    template <typename Object>
    void operator()(Object* object) const {
        object->close();
    }
};
template <typename Object>
using Opened = std::unique_ptr<Object, Closer>;

struct Match {
    std::string name;  // as the table has it
    std::string cut;
};

std::optional<Match> findStyle(const AcDbTextStyleTable& table, const char* pattern) {
    for (const std::string& name : table.names()) {
        // Style names may carry a font file's extension ("romans.shx"); the
        // settings name the font without it, in lower case.
        std::string cut = zafiles::fontStem(name);
        if (acutWcMatch(cut.c_str(), pattern) == RTNORM) return Match{name, std::move(cut)};
    }
    return std::nullopt;
}

bool failed(Acad::ErrorStatus status) {
    if (status == Acad::eOk) return false;
    acutPrintf("Text error %s \n", acadErrorStatusText(status));
    return true;
}

// Applies the settings to the matching style. False when there is none or
// the host refused a step (both already reported).
bool restyle(const ZaTextStyleSettings& settings) {
    const char* pattern = settings.font.c_str();
    AcDbTextStyleTable* rawTable = nullptr;
    if (failed(acdbHostApplicationServices()->workingDatabase()->getTextStyleTable(rawTable, AcDb::kForRead))) {
        return false;
    }
    const Opened<AcDbTextStyleTable> table(rawTable);
    const std::optional<Match> match = findStyle(*table, pattern);
    if (!match) {
        acutPrintf("Font \"%s\" not found in currently loaded text fonts\n", pattern);
        return false;
    }
    AcDbTextStyleTableRecord* rawRecord = nullptr;
    if (failed(table->getAt(match->name.c_str(), rawRecord, AcDb::kForWrite))) return false;
    const Opened<AcDbTextStyleTableRecord> record(rawRecord);
    acutPrintf("Font <%s> height %.2f ratio %.2f oblique %.2f \n", match->cut.c_str(), settings.height,
               settings.widthRatio, settings.obliquing * settings.angleFactor);
    return !failed(record->setFont(pattern, false, true, 0, 0)) && !failed(record->setTextSize(settings.height)) &&
           !failed(record->setXScale(settings.widthRatio)) &&
           !failed(record->setObliquingAngle(settings.obliquing));
}

}  // namespace

void zaSetTextStyle(const ZaTextStyleSettings& settings) {
    if (!restyle(settings)) return;
    resbuf value{};
    value.restype = RTSTR;
    value.resval.rstring = const_cast<char*>(settings.font.c_str());
    acedSetVar("TEXTSTYLE", &value);
}
