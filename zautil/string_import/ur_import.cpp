// The UR import: record after record, strings as polylines and lone points
// as POINTs; a string of one record becomes a POINT too.
#include <cmath>

#include "arx/acedads.h"
#include "files/decode_ahead.h"
#include "files/last_error.h"
#include "import/import_progress.h"
#include "shell/za_advice.h"
#include "string_import/import_entities.h"
#include "string_import/string_import.h"
#include "strings/ur_format.h"
#include "strings/ur_reader.h"
#include "string_import/ur_report.h"

namespace zastringimport {

using zastrings::URRead;

namespace {

struct Failure {
    const char* shortText;
    const char* shownText;
};

constexpr Failure kLonePointFails{"Cannot make POINT", "Cannot make POINT\nZarvo_AutoCAD creation sequence fails\n"};
constexpr Failure kStringPointFails{"Cannot make Point", "Cannot make POINT\nZarvo_AutoCAD creation sequence fails\n"};
constexpr Failure kPolylineFails{"Cannot make POLYLINE",
                                 "Cannot make POLYLINE\nZarvo_AutoCAD creation sequence fails\n"};
constexpr Failure kVertexFails{"Cannot make VERTEX", "Cannot make VERTEX\nZarvo_AutoCAD creation sequence fails\n"};
constexpr Failure kSeqendFails{"Cannot make SEQEND", "Cannot make SEQEND\nZarvo_AutoCAD creation sequence fails\n"};

constexpr zaimport::ProgressStyle kURProgress{"At record %lld\n", zaimport::Pacing::RaiseLimitEachReport};
constexpr zaimport::ExtentsReport kURExtents{"\n\n\rEast  %13.3f   %13.3f\n", "\rNorth %13.3f   %13.3f\n\n", true};

// One pull from the reader, as it came: a record, the end or a cut, with
// the fault the reader then held.
struct URPull {
    URRead read = URRead::End;
    zastrings::URFault fault = zastrings::URFault::None;
    StringRecord record;
};

zafiles::PullAhead<URPull> pullAhead(URReader& reader) {
    const auto bytes = static_cast<std::uint64_t>(reader.recordCount()) * zastrings::kURBlockSize;
    return zafiles::PullAhead<URPull>(
        [&reader](URPull& pull) {
            pull.read = reader.next(pull.record);
            pull.fault = reader.fault();
            return pull.read == URRead::Record;
        },
        zafiles::worthDecodingAhead(bytes));
}

}  // namespace

class URImport {
public:
    explicit URImport(StringImport& import)
        : import_(import), entities_({import.settings_.addLayers, import.polyline3D_, false}) {}

    // False when the file was refused.
    bool run(const std::string& path);

private:
    // One record; false when the import must stop after it.
    bool draw(const StringRecord& record);
    // Ends the string being built: a polyline of two or more vertices, a
    // POINT in place of one vertex.
    bool endString();
    void discardString();
    bool fail(const Failure& failure);

    StringImport& import_;
    ImportEntities entities_;
    bool stringOpen_ = false;
    std::int32_t previousNumber_ = 0;
    std::int64_t vertices_ = 0;
    ZaPoint first_{};
    std::string stringLayer_;
};

bool URImport::fail(const Failure& failure) {
    zafiles::setLastError(import_.lastError_, failure.shortText);
    zaAdviceMessage(failure.shownText);
    return false;
}

void URImport::discardString() {
    ImportEntities::discard();
    stringOpen_ = false;
}

bool URImport::endString() {
    stringOpen_ = false;
    if (vertices_ >= 2) {
        if (entities_.seqend(stringLayer_)) return true;
        ImportEntities::discard();
        return fail(kSeqendFails);
    }
    ImportEntities::discard();
    if (entities_.point(first_, stringLayer_)) return true;
    return fail(kStringPointFails);
}

bool URImport::draw(const StringRecord& record) {
    const ZaPoint at{record.x, record.y, record.z};
    const std::int32_t number = record.stringNumber;
    import_.extents_.takeLowerFirst(record.x, record.y);
    const bool ended = !stringOpen_ || (number != 0 && number == previousNumber_) || endString();
    previousNumber_ = number;
    // A record after a string that could not be ended is drawn on its own.
    if (number == 0 || !ended) {
        if (entities_.point(at, import_.layerOf(record))) return ended;
        ImportEntities::discard();
        return fail(kLonePointFails);
    }
    if (!stringOpen_) {
        stringLayer_ = import_.layerOf(record);
        if (!entities_.polyline(at, stringLayer_)) return fail(kPolylineFails);
        stringOpen_ = true;
        vertices_ = 0;
        first_ = at;
    }
    if (!entities_.vertex(at, stringLayer_)) {
        discardString();
        return fail(kVertexFails);
    }
    ++vertices_;
    return true;
}

bool URImport::run(const std::string& path) {
    URReader reader;
    if (!openURReporting(reader, path, import_.lastError_)) return false;
    zaimport::ImportProgress progress(kURProgress);
    const std::int64_t count = reader.recordCount();
    auto pulls = pullAhead(reader);
    std::int64_t records = 0;
    std::int64_t notNumbers = 0;
    bool going = true;
    while (going && records < count) {
        // A break drops the string being built and stops there: the record
        // in hand belongs to what was dropped as often as not.
        if (progress.at(records) && zaimport::userBrokeOff("UR file")) {
            zafiles::setLastError(import_.lastError_, "User impatient. \nCancelling command...\n");
            discardString();
            going = false;
        } else if (const URPull* pull = pulls.next(); pull->read != URRead::Record) {
            reportURFault(pull->fault, import_.lastError_);
            discardString();
            going = false;
        } else {
            const StringRecord& record = pull->record;
            ++records;
            // A coordinate that is no number would draw a point that is not
            // in the file: the record is passed over, and said to be.
            if (std::isfinite(record.x) && std::isfinite(record.y) && std::isfinite(record.z)) {
                going = draw(record);
            } else {
                ++notNumbers;
            }
        }
    }
    pulls.stop();
    if (stringOpen_) going = endString();
    if (!going) acutPrintf("\rAborting caused by \" %s \"\n", import_.lastError_.c_str());
    if (notNumbers > 0) {
        acutPrintf("\n%lld records with coordinates that are not numbers passed over\n",
                   static_cast<long long>(notNumbers));
    }

    import_.finish(kURExtents);
    const double seconds = import_.elapsedSeconds();
    acutPrintf("\nURIN at end of file at %lld in %.2f seconds", static_cast<long long>(records), seconds);
    if (const auto rate = zaimport::importRate(records, seconds, 0.0)) acutPrintf(" at %lld per second.", *rate);
    acutPrintf("\n");
    return true;
}

bool StringImport::importUR(const std::string& path) {
    started_ = zaimport::monotonicMilliseconds();
    if (!loadLayerMap()) {
        acutPrintf(
            "\nSettings did not provide any layer map file for plot code mapping!\n\rDirectly use plot code as layer "
            "name when import Ur file");
    }
    acutPrintf("\nLoading \"%s\"\n", path.c_str());
    URImport run(*this);
    return run.run(path);
}

}  // namespace zastringimport
