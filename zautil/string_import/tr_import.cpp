// The TR import: line after line, strings as polylines (a string of one
// line too) and lone points as POINTs, each entity on the layer of its own
// line.
#include "arx/acedads.h"
#include "files/decode_ahead.h"
#include "files/formatted.h"
#include "files/last_error.h"
#include "import/import_progress.h"
#include "string_import/import_entities.h"
#include "string_import/string_import.h"
#include "strings/tr_reader.h"

namespace zastringimport {

using zastrings::TRFault;
using zastrings::TRReader;

namespace {

// "Point == layer", "Point == lays" or "Polyline == layer", with the layer
// and the point.
std::string entityFailure(const char* entity, const std::string& layer, const StringRecord& r) {
    return zafiles::formatted("Error creating AutoCAD %s <%s>\n  x  %f  y  %f  z  %f", entity, layer.c_str(), r.x, r.y, r.z);
}

constexpr zaimport::ProgressStyle kTRProgress{"\r at record %lld \n", zaimport::Pacing::RaiseLimitEachReport};
constexpr zaimport::ExtentsReport kTRExtents{"\nEast  %13.3f   %13.3f\n", "\nNorth %13.3f   %13.3f\n\n", false};

// One pull from the reader, with its counts of good and bad lines as they
// then stood.
struct TRPull {
    bool got = false;
    StringRecord record;
    std::int64_t good = 0;
    std::int64_t bad = 0;
};

// Opens the file, printing as TRIN does; on a refusal the last error holds
// its text.
bool openTRReporting(TRReader& reader, const std::string& path, std::string& lastError) {
    const bool opened = reader.open(path);
    if (reader.fault() == TRFault::CannotOpen) {
        zafiles::setLastError(lastError, "Error opening file '" + path + "'\n");
        acutPrintf("\n*ImportTrFile - %s\n", lastError.c_str());
        return false;
    }
    acutPrintf("\nLoading TR file <%s> \n", path.c_str());
    if (opened) return true;
    const char* what = reader.fault() == TRFault::NoHeader ? "Error reading file header '"
                                                           : "Error reading first record in file '";
    zafiles::setLastError(lastError, what + path + "'\n");
    acutPrintf("\rError TRFile  %s\n", lastError.c_str());
    return false;
}

}  // namespace

class TRImport {
public:
    explicit TRImport(StringImport& import)
        : import_(import), entities_({import.settings_.addLayers, import.polyline3D_, true}) {}

    // True when every entity was made or the user broke off.
    bool run(TRReader& reader);
    // The reader's counts as they stood at the last line taken.
    std::int64_t goodLines() const { return good_; }
    std::int64_t badLines() const { return bad_; }

private:
    // The first line of a group: a POINT, or a polyline's header and first
    // vertex.
    bool startGroup(const StringRecord& record);
    bool continueGroup(const StringRecord& record);
    bool endGroup(const char* failure);
    const std::string& layerOf(const StringRecord& record);
    enum class Echo { Return, Angled };
    bool fail(const std::string& text, Echo echo);

    StringImport& import_;
    ImportEntities entities_;
    std::int32_t group_ = 0;
    std::string vertexLayer_;  // the SEQEND takes the last vertex's layer
    std::int64_t good_ = 0;
    std::int64_t bad_ = 0;
};

bool TRImport::fail(const std::string& text, Echo echo) {
    ImportEntities::discard();
    zafiles::setLastError(import_.lastError_, text);
    if (echo == Echo::Return) {
        acutPrintf("\rTRIN == %s\n", import_.lastError_.c_str());
    } else {
        acutPrintf("TRIN ==  <%s>\n", import_.lastError_.c_str());
    }
    return false;
}

const std::string& TRImport::layerOf(const StringRecord& record) {
    import_.extents_.take(record.x, record.y);
    return import_.layerOf(record);
}

bool TRImport::startGroup(const StringRecord& record) {
    group_ = record.stringNumber;
    const std::string& layer = layerOf(record);
    const ZaPoint at{record.x, record.y, record.z};
    if (group_ == 0) {
        if (entities_.point(at, layer)) return true;
        return fail(entityFailure("Point == layer", layer, record), Echo::Return);
    }
    if (!entities_.polyline(at, layer)) return fail(entityFailure("Polyline == layer", layer, record), Echo::Angled);
    vertexLayer_ = layer;
    if (entities_.vertex(at, vertexLayer_)) return true;
    return fail("Error creating AutoCAD vertex entity\n", Echo::Angled);
}

bool TRImport::continueGroup(const StringRecord& record) {
    const std::string& layer = layerOf(record);
    const ZaPoint at{record.x, record.y, record.z};
    if (group_ == 0) {
        if (entities_.point(at, layer)) return true;
        return fail(entityFailure("Point == lays", layer, record), Echo::Angled);
    }
    vertexLayer_ = layer;
    if (entities_.vertex(at, vertexLayer_)) return true;
    return fail("Error creating AutoCAD Vertex entity\n", Echo::Angled);
}

bool TRImport::endGroup(const char* failure) {
    if (group_ == 0 || entities_.seqend(vertexLayer_)) return true;
    return fail(failure, Echo::Angled);
}

bool TRImport::run(TRReader& reader) {
    ImportEntities::discard();
    zaimport::ImportProgress progress(kTRProgress);
    const auto bytes = reader.bytes();
    zafiles::PullAhead<TRPull> pulls(
        [&reader](TRPull& pull) {
            pull.got = reader.next(pull.record);
            pull.good = reader.goodLines();
            pull.bad = reader.badLines();
            return pull.got;
        },
        bytes && zafiles::worthDecodingAhead(*bytes));
    const auto take = [&]() -> const TRPull* {
        const TRPull* pull = pulls.next();
        good_ = pull->good;
        bad_ = pull->bad;
        return pull->got ? pull : nullptr;
    };
    const TRPull* pull = take();
    // No line gave a point: nothing to draw, and the counts say why.
    if (!pull) return true;
    bool made = startGroup(pull->record);
    while (made) {
        pull = take();
        if (!pull) {
            made = endGroup("Error creating AutoCAD Polyline SEQEND entity\n");
            break;
        }
        if (progress.at(good_) && zaimport::userBrokeOff("UR file")) {
            ImportEntities::discard();
            break;
        }
        if (pull->record.stringNumber == group_) {
            made = continueGroup(pull->record);
        } else {
            made = endGroup("Error creating AutoCAD SEQEND entity\n") && startGroup(pull->record);
        }
    }
    return made;
}

bool StringImport::importTR(const std::string& path) {
    started_ = zaimport::monotonicMilliseconds();
    TRReader reader;
    if (!openTRReporting(reader, path, lastError_)) return false;
    const bool loaded = loadLayerMap();
    if (loaded) {
        acutPrintf("\nMap Translation follows\n");
        map_.forEachInLookupOrder([](const LayerMapEntry& entry) {
            acutPrintf("Loading Code \"%s\" = Layer \"%s\" \n \n", entry.key.c_str(), entry.layer.c_str());
        });
    }
    acutPrintf(loaded ? "\rMap polyline %s\n" : "\rNo map polyline %s\n", map_.inForce() ? "Yes" : "no");

    TRImport run(*this);
    const bool made = run.run(reader);
    const std::int64_t good = run.goodLines();
    const std::int64_t bad = run.badLines();
    reader.close();

    finish(kTRExtents);
    const double seconds = elapsedSeconds();
    const std::string summary =
        bad == 0 ? zafiles::formatted("\nPoints converted %lld   Time %8.2f seconds\n", static_cast<long long>(good), seconds)
                 : zafiles::formatted("\nGood lines %lld bad lines %lld please check.   Time %8.2f seconds\n",
                             static_cast<long long>(good), static_cast<long long>(bad), seconds);
    // An entity that could not be made keeps its own text as the failure.
    if (made) zafiles::setLastError(lastError_, summary);
    acutPrintf("%s", summary.c_str());
    if (const auto rate = zaimport::importRate(good, seconds, 0.0)) acutPrintf("\rat %lld per second\n", *rate);
    const bool imported = made && good > 2;
    // A failed import is not called completed, whatever it drew.
    if (imported) acutPrintf("\nTR Completed %lld", static_cast<long long>(good));
    return imported;
}

}  // namespace zastringimport
