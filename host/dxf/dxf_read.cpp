// Reading a DXF file, text or binary, into a database plus the content
// kept for writing it back.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <unordered_set>

#include "dxf_groups.h"
#include "dxf_kept.h"
#include "dxf_numbers.h"
#include "dxf_parallel.h"
#include "dxf_repairs.h"
#include "dxf_scanner.h"
#include "dxf_version.h"
#include "text/number_text.h"
#include "zcad/dxf.h"
#include "zcad/large_block.h"
#include "zcad/text.h"

namespace zcad {

namespace dxf {
namespace {

// Structure words in any case: an entity typed "Section" would otherwise be
// written back upper-cased as a section start.
bool isKeyword(std::string_view value, std::string_view keyword) { return equalNoCase(trimmed(value), keyword); }

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text), scanner_(text), db_(std::make_unique<Database>()) {
        kept_ = new DxfKept;
        db_->kept.reset(kept_);
        repairs_.setBinary(scanner_.binary());
    }

    std::unique_ptr<Database> run(std::string& error);

private:
    bool fail(std::size_t line, std::string_view message) {
        scanner_.fail(line, message);
        return false;
    }
    // The next group. A file that ends cleanly inside a section is ended
    // there: the structure words it lacks are given.
    bool expect(Token& token, std::string_view inside);
    bool skipStray(const Token& first);
    bool readSection();
    bool readHeader();
    bool findRelease();
    bool readTables();
    bool readTable(const Token& tableToken);
    bool readDatabaseTable(SymbolTable& table);
    bool readOwnedGroups(std::vector<OwnedGroup>& out, std::uint64_t* handle, std::string_view inside,
                         const AngleTable::Codes* angles);
    bool takeHandle(const Token& token, bool& seen, std::uint64_t& handle);
    bool readEntities();
    bool readEntity(const Token& typeToken);
    bool keepEntity(const Token& typeToken);
    bool takePrepared(const Token& typeToken);
    bool keepUntilEndsec(std::string_view name, RawRange& range);
    void keep(const Token& token);
    RawRange keepComment(const Token& token);
    void noteHandle(std::uint64_t handle);
    bool readValue(const Token& token, bool angle, Group& g);
    bool gatherPoint(const Token& x, Group& g);
    // Groups of the current entity or record already taken out of order.
    bool taken(const Token& token) const { return !taken_.empty() && taken_.count(token.line) != 0; }
    KeptItem* findItem(ItemKind kind);

    std::string_view text_;
    Scanner scanner_;
    std::unique_ptr<Database> db_;
    DxfKept* kept_;
    std::string scratch_;
    std::vector<std::uint8_t> list_;
    AngleTable angles_;
    bool sawHeader_ = false;
    bool sawEof_ = false;
    bool sawSection_ = false;
    bool cutShort_ = false;
    std::string lastSection_;
    std::size_t headerEnd_ = 0;  // line of the HEADER's ENDSEC
    std::unordered_set<std::size_t> taken_;
    RepairLog repairs_;
    bool paperSequence_ = false;  // VERTEX/ATTRIB/SEQEND of a paper-space parent
    std::vector<std::string> tablesRead_;
    std::unique_ptr<ParallelEntities> prepared_;
};

bool Reader::expect(Token& token, std::string_view inside) {
    if (scanner_.next(token)) return true;
    if (scanner_.failed()) return false;
    if (!cutShort_) {
        repairs_.note(scanner_.line(), "the file ends inside " + std::string(inside) + ", which is ended there");
        cutShort_ = true;
    }
    token.code = 0;
    token.value = inside.starts_with("table ") ? "ENDTAB" : "ENDSEC";
    token.line = scanner_.line();
    return true;
}

void Reader::keep(const Token& token) {
    kept_->raw.add(token.code, token.value);
    if (token.code == 5 || token.code == 105) {
        std::uint64_t handle = 0;
        if (parseHandle(token.value, handle)) noteHandle(handle);
    }
}

// A comment inside a section may end up among an entity's groups when the
// drawing is saved (two ENTITIES sections become one), where it is text;
// so it is kept as the writer spells text, and reads back the same.
RawRange Reader::keepComment(const Token& token) {
    const RawRange range{kept_->raw.size(), 1};
    std::string spelt;
    encodeText(decodeText(token.value, kept_->encoding, scratch_), kept_->encoding, spelt);
    kept_->raw.add(token.code, spelt);
    return range;
}

// A file that gave any object a handle gets its handles back, whatever its
// release or header say.
void Reader::noteHandle(std::uint64_t handle) {
    kept_->hadHandles = true;
    if (handle > kept_->largestHandle) kept_->largestHandle = handle;
    db_->reserveHandle(handle);
}

// Angles turn into radians here, so that degrees the writer would not
// spell back as read are kept aside.
bool Reader::readValue(const Token& token, bool angle, Group& g) {
    GroupLeniency leniency;
    // Binary files hold their values in a few shared slots, which a look
    // ahead would overwrite; they come from programs that keep the order.
    if (!readGroup(scanner_, token, kept_->encoding, scratch_, g, scanner_.binary() ? nullptr : &leniency)) {
        return leniency.yElsewhere && gatherPoint(token, g);
    }
    if (leniency.unsigned16) repairs_.count(RepairLog::Recurring::Unsigned16, token.line);
    if (!angle || g.kind != GroupKind::Real) return true;
    const double degrees = g.xyz[0];
    g.xyz[0] = degreesToRadians(degrees);
    if (!degreesComeBack(degrees, g.xyz[0])) {
        kept_->degreesAsRead.emplace(std::bit_cast<std::uint64_t>(g.xyz[0]), degrees);
    }
    return true;
}

// Old files may give a point's groups in another order (10, 11, 20, 21):
// its y and z are looked for among the next groups of its entity. Such
// files keep them close; the search stops early so that no file makes the
// reading slow.
bool Reader::gatherPoint(const Token& x, Group& g) {
    constexpr int kFarthest = 64;
    Scanner ahead = scanner_;
    Token token;
    bool haveY = false;
    bool haveZ = false;
    for (int looked = 0; looked < kFarthest && !(haveY && haveZ) && ahead.next(token) && token.code != 0; ++looked) {
        const bool isY = !haveY && token.code == x.code + 10;
        const bool isZ = !haveZ && token.code == x.code + 20;
        if ((!isY && !isZ) || taken(token)) continue;
        double value = 0;
        if (!parseReal(token.value, value)) {
            return fail(token.line, "group " + std::to_string(token.code) + " value \"" +
                                        std::string(trimmed(token.value).substr(0, 40)) + "\" is not a number");
        }
        g.xyz[isY ? 1 : 2] = value;
        (isY ? haveY : haveZ) = true;
        taken_.insert(token.line);
    }
    if (!haveY) {
        return fail(x.line, "point group " + std::to_string(x.code) + " is not followed by its y (group " +
                                std::to_string(x.code + 10) + ")");
    }
    if (!haveZ) g.xyz[2] = 0.0;
    g.flat = !haveZ;
    repairs_.count(RepairLog::Recurring::PointOrder, x.line);
    return true;
}

KeptItem* Reader::findItem(ItemKind kind) {
    for (auto& item : kept_->items) {
        if (item.kind == kind) return &item;
    }
    return nullptr;
}

std::unique_ptr<Database> Reader::run(std::string& error) {
    if (!findRelease()) {
        error = scanner_.error();
        return nullptr;
    }
    if (!scanner_.binary()) prepared_ = ParallelEntities::start(text_, kept_->encoding);
    Token token;
    while (scanner_.next(token)) {
        if (token.code == 999) {
            kept_->items.push_back({ItemKind::Comment, {}, {kept_->raw.size(), 1}});
            keep(token);
            continue;
        }
        const bool structure = token.code == 0 && (isKeyword(token.value, "EOF") || isKeyword(token.value, "SECTION"));
        // What stands between sections is passed over, but only in a file
        // that has shown it is a drawing.
        if (!structure && sawSection_) {
            if (!skipStray(token)) break;
            continue;
        }
        if (token.code != 0) {
            fail(token.line, "expected group 0 SECTION or EOF, found group code " + std::to_string(token.code));
            break;
        }
        if (isKeyword(token.value, "EOF")) {
            sawEof_ = true;
            break;
        }
        if (!isKeyword(token.value, "SECTION")) {
            fail(token.line, "expected SECTION or EOF, found \"" + std::string(trimmed(token.value)) + "\"");
            break;
        }
        if (!readSection()) break;
    }
    if (!scanner_.failed() && !sawEof_) {
        if (!sawSection_) fail(scanner_.line(), "the file ends without 0 EOF");
        if (sawSection_ && !cutShort_) repairs_.note(scanner_.line(), "the file ends without 0 EOF, which is assumed");
    }
    if (scanner_.failed()) {
        error = scanner_.error();
        return nullptr;
    }
    kept_->crlf = scanner_.crlf();
    kept_->repairs = repairs_.lines();
    kept_->loadedEntities = static_cast<EntityId>(db_->entityCount());
    kept_->entityDigest = entityDigest(*db_);
    return std::move(db_);
}

// The release decides how text is encoded, so it is looked up before any
// group is read: $ACADVER leads the HEADER section.
bool Reader::findRelease() {
    Scanner probe = scanner_;
    Token token;
    bool inHeader = false;
    std::string_view acadver;
    // Only the start of the file is searched; the header comes first.
    for (int groups = 0; groups < 100000 && probe.next(token); ++groups) {
        if (token.code == 2 && isKeyword(token.value, "HEADER")) inHeader = true;
        if (token.code == 0 && isKeyword(token.value, "ENDSEC") && inHeader) break;
        if (inHeader && token.code == 9 && isKeyword(token.value, "$ACADVER")) {
            if (probe.next(token)) acadver = token.value;
            if (!acadver.empty()) {
                if (!releaseOfAcadver(acadver, kept_->version)) {
                    return fail(token.line, "unknown DXF release \"" + std::string(trimmed(acadver)) + "\" in $ACADVER");
                }
                kept_->acadver = std::string(trimmed(acadver));
            }
            break;
        }
    }
    kept_->laterThanR12 = kept_->version != DxfVersion::R12;
    kept_->encoding = isUtf8Release(kept_->version) ? TextEncoding::Utf8 : TextEncoding::Ansi;
    kept_->hadHandles = kept_->laterThanR12;
    return true;
}

// An entity or record has one handle; a second would be written back as
// data and read as the handle next time.
bool Reader::takeHandle(const Token& token, bool& seen, std::uint64_t& handle) {
    if (seen) return fail(token.line, "a second handle (group 5) in one entity or record");
    seen = true;
    if (trimmed(token.value).empty()) {
        repairs_.count(RepairLog::Recurring::EmptyHandle, token.line);
        return true;
    }
    if (parseHandle(token.value, handle)) return true;
    return fail(token.line, "handle \"" + std::string(trimmed(token.value)) + "\" is not hexadecimal");
}

// Groups between sections. Header variables there (the HEADER ended early
// by a stray ENDSEC, or written outside any section) join the header; the
// rest is skipped, and all of it reported in one line.
bool Reader::skipStray(const Token& first) {
    const bool afterHeader = lastSection_ == "HEADER";
    lastSection_.clear();
    std::size_t variables = 0;
    std::size_t skipped = 0;
    std::size_t last = first.line;
    HeaderVar* var = nullptr;
    Token token = first;
    Group g;
    for (bool more = true; more; more = scanner_.next(token)) {
        if (token.code == 0 && (isKeyword(token.value, "SECTION") || isKeyword(token.value, "EOF"))) {
            scanner_.pushBack(token);
            break;
        }
        last = token.line;
        if (token.code == 0) {
            var = nullptr;
            if (!isKeyword(token.value, "ENDSEC")) ++skipped;
            continue;
        }
        if (token.code == 9) {
            const std::string name(trimmed(token.value));
            var = db_->headerVar(name);
            if (var) var->groups.clear();
            if (!var) var = &db_->header().emplace_back(HeaderVar{name, {}});
            ++variables;
            continue;
        }
        if (!var) {
            ++skipped;
            continue;
        }
        if (!readGroup(scanner_, token, kept_->encoding, scratch_, g)) return false;
        var->groups.push_back(OwnedGroup::of(g));
    }
    if (scanner_.failed()) return false;
    if (afterHeader && variables > 0 && skipped == 0) {
        repairs_.note(headerEnd_, "ENDSEC inside HEADER, the header goes on to the next ENDSEC");
        return true;
    }
    const auto counted = [](std::size_t n, const char* what) {
        return " " + std::to_string(n) + " " + what + (n == 1 ? "" : "s");
    };
    std::string text = "groups outside any section up to line " + std::to_string(last) + ":";
    if (variables) text += counted(variables, "header variable") + " read into the header";
    if (variables && skipped) text += ",";
    if (skipped) text += counted(skipped, "group") + " skipped";
    if (!variables && !skipped) text += " a stray ENDSEC skipped";
    repairs_.note(first.line, text);
    return true;
}

bool Reader::readSection() {
    Token name;
    if (!expect(name, "a section")) return false;
    if (name.code != 2) return fail(name.line, "SECTION is not followed by its name (group 2)");
    const std::string section = upperCase(trimmed(name.value));
    sawSection_ = true;
    lastSection_ = section;
    if (section == "HEADER") return readHeader();
    if (section == "TABLES") return readTables();
    if (section == "ENTITIES") return readEntities();
    RawRange range;
    if (!keepUntilEndsec(section, range)) return false;
    kept_->items.push_back({ItemKind::Section, std::string(trimmed(name.value)), range});
    return true;
}

bool Reader::keepUntilEndsec(std::string_view name, RawRange& range) {
    range.first = kept_->raw.size();
    const std::string inside = "section " + std::string(name);
    Token token;
    while (expect(token, inside)) {
        if (token.code == 0 && isKeyword(token.value, "ENDSEC")) {
            range.count = kept_->raw.size() - range.first;
            return true;
        }
        if (token.code == 0 && (isKeyword(token.value, "SECTION") || isKeyword(token.value, "EOF"))) {
            return fail(token.line, inside + " is not ended by ENDSEC");
        }
        keep(token);
    }
    return false;
}

bool Reader::readHeader() {
    if (!findItem(ItemKind::Header)) {
        db_->header().clear();
        kept_->items.push_back({ItemKind::Header, "HEADER", {}});
    }
    sawHeader_ = true;
    Token token;
    HeaderVar* var = nullptr;
    Group g;
    while (expect(token, "section HEADER")) {
        if (token.code == 0) {
            headerEnd_ = token.line;
            if (isKeyword(token.value, "ENDSEC")) return true;
            return fail(token.line, "section HEADER is not ended by ENDSEC");
        }
        if (token.code == 9) {
            db_->header().push_back({std::string(trimmed(token.value)), {}});
            var = &db_->header().back();
            continue;
        }
        if (!var && token.code == 999) {  // later ones go with the variable they follow
            kept_->headerComments.push_back(keepComment(token));
            continue;
        }
        if (!var) return fail(token.line, "group " + std::to_string(token.code) + " comes before any $ variable in HEADER");
        if (!readGroup(scanner_, token, kept_->encoding, scratch_, g)) return false;
        var->groups.push_back(OwnedGroup::of(g));
        if (token.code == 5 && equalNoCase(var->name, "$HANDSEED")) {
            kept_->hadHandles = true;
            std::uint64_t seed = 0;
            if (parseHandle(token.value, seed) && seed > 0) db_->reserveHandle(seed - 1);
        }
    }
    return false;
}

bool Reader::readTables() {
    if (!findItem(ItemKind::Tables)) kept_->items.push_back({ItemKind::Tables, "TABLES", {}});
    Token token;
    while (expect(token, "section TABLES")) {
        if (token.code == 999) {
            kept_->tables.push_back({{}, false, keepComment(token), true});
            continue;
        }
        if (token.code != 0) {
            return fail(token.line, "expected 0 TABLE or ENDSEC in TABLES, found group code " + std::to_string(token.code));
        }
        if (isKeyword(token.value, "ENDSEC")) return true;
        if (!isKeyword(token.value, "TABLE")) {
            return fail(token.line, "expected TABLE or ENDSEC in TABLES, found \"" +
                                        std::string(trimmed(token.value)) + "\"");
        }
        if (!readTable(token)) return false;
    }
    return false;
}

bool Reader::readTable(const Token& tableToken) {
    Token name;
    if (!expect(name, "a table")) return false;
    if (name.code != 2) return fail(tableToken.line, "TABLE is not followed by its name (group 2)");
    KeptTable table;
    table.name = upperCase(trimmed(name.value));
    SymbolTable* dbTable = db_->table(table.name);
    if (dbTable) {
        table.inDatabase = true;
        kept_->tables.push_back(table);
        return readDatabaseTable(*dbTable);
    }
    table.raw.first = kept_->raw.size();
    const std::string inside = "table " + table.name;
    Token token;
    while (expect(token, inside)) {
        if (token.code == 0 && isKeyword(token.value, "ENDTAB")) {
            table.raw.count = kept_->raw.size() - table.raw.first;
            kept_->tables.push_back(std::move(table));
            return true;
        }
        if (token.code == 0 && (isKeyword(token.value, "ENDSEC") || isKeyword(token.value, "TABLE") ||
                                isKeyword(token.value, "EOF"))) {
            return fail(token.line, inside + " is not ended by ENDTAB");
        }
        keep(token);
    }
    return false;
}

bool Reader::readDatabaseTable(SymbolTable& table) {
    // A table the file has replaces the new drawing's defaults.
    const bool first = std::find(tablesRead_.begin(), tablesRead_.end(), table.name()) == tablesRead_.end();
    if (first) {
        tablesRead_.push_back(table.name());
        table = SymbolTable(table.name());
    }
    const std::string inside = "table " + table.name();
    std::vector<OwnedGroup> header;
    if (!readOwnedGroups(header, nullptr, inside, nullptr)) return false;
    if (first) table.header = std::move(header);
    const AngleTable::Codes angles = angles_.of(table.name());
    Token token;
    while (expect(token, inside)) {
        if (isKeyword(token.value, "ENDTAB")) return true;
        if (isKeyword(token.value, "ENDSEC") || isKeyword(token.value, "TABLE") || isKeyword(token.value, "EOF")) {
            return fail(token.line, inside + " is not ended by ENDTAB");
        }
        TableRecord record;
        if (!readOwnedGroups(record.groups, &record.handle, inside, &angles)) return false;
        if (record.handle) noteHandle(record.handle);
        table.add(std::move(record));
    }
    return false;
}

// Groups up to the next group 0 (left unread); group 5 into `handle`.
bool Reader::readOwnedGroups(std::vector<OwnedGroup>& out, std::uint64_t* handle, std::string_view inside,
                             const AngleTable::Codes* angles) {
    bool extended = false;
    bool seenHandle = false;
    Token token;
    Group g;
    taken_.clear();
    while (expect(token, inside)) {
        if (taken(token)) continue;
        if (token.code == 0) {
            scanner_.pushBack(token);
            return true;
        }
        if (token.code == 5 && handle) {
            if (!takeHandle(token, seenHandle, *handle)) return false;
            continue;
        }
        if (token.code == 5) {
            std::uint64_t tableHandle = 0;
            if (parseHandle(token.value, tableHandle)) noteHandle(tableHandle);
        }
        if (token.code == 1001) extended = true;
        const bool angle = angles && !extended && isAngleCode(*angles, token.code);
        if (!readValue(token, angle, g)) return false;
        out.push_back(OwnedGroup::of(g));
    }
    return false;
}

bool Reader::readEntities() {
    if (!findItem(ItemKind::Entities)) kept_->items.push_back({ItemKind::Entities, "ENTITIES", {}});
    Token token;
    while (expect(token, "section ENTITIES")) {
        // Only before the first entity: later ones go with the entity they follow.
        if (token.code == 999) {
            kept_->keptEntities.push_back({static_cast<EntityId>(db_->entityCount()), keepComment(token)});
            continue;
        }
        if (token.code != 0) {
            return fail(token.line, "expected group 0 (an entity) in ENTITIES, found group code " +
                                        std::to_string(token.code));
        }
        if (isKeyword(token.value, "ENDSEC")) return true;
        if (isKeyword(token.value, "SECTION") || isKeyword(token.value, "EOF")) {
            return fail(token.line, "section ENTITIES is not ended by ENDSEC");
        }
        if (!readEntity(token)) return false;
    }
    return false;
}

bool Reader::readEntity(const Token& typeToken) {
    // Text like any other, so that what the writer encodes reads back the same.
    const std::string type = upperCase(decodeText(trimmed(typeToken.value), kept_->encoding, scratch_));
    if (type.empty()) return fail(typeToken.line, "an entity has no type");
    const Scanner start = scanner_;
    const bool follower = type == "VERTEX" || type == "ATTRIB" || type == "SEQEND";
    if (!follower) paperSequence_ = false;
    if (paperSequence_) {
        if (type == "SEQEND") paperSequence_ = false;
        return keepEntity(typeToken);
    }
    if (takePrepared(typeToken)) return true;
    const auto& angleCodes = angles_.of(type);
    list_.clear();
    GroupWriter writer(list_);
    writer.string(0, type);
    std::uint64_t handle = 0;
    bool seenHandle = false;
    bool paper = false;
    bool extended = false;
    bool sequence = false;
    std::int64_t declaredVertices = -1;
    std::int64_t vertices = 0;
    std::size_t countLine = typeToken.line;
    Token token;
    Group g;
    taken_.clear();
    while (expect(token, "section ENTITIES")) {
        if (taken(token)) continue;
        if (token.code == 0) {
            scanner_.pushBack(token);
            break;
        }
        if (token.code == 5 && !extended) {
            if (!takeHandle(token, seenHandle, handle)) return false;
            continue;
        }
        if (token.code == 1001) extended = true;
        const bool angle = !extended && isAngleCode(angleCodes, token.code);
        if (!readValue(token, angle, g)) return false;
        if (!extended) {
            if (token.code == 67 && g.integer == 1) paper = true;
            if (token.code == 66 && g.integer != 0) sequence = true;
            if (token.code == 90 && declaredVertices < 0) {
                declaredVertices = g.integer;
                countLine = token.line;
            }
            if (token.code == 10) ++vertices;
        }
        writer.group(g);
    }
    if (scanner_.failed()) return false;
    if (type == "LWPOLYLINE" && declaredVertices >= 0 && declaredVertices != vertices) {
        return fail(countLine, "LWPOLYLINE gives " + std::to_string(declaredVertices) + " vertices (group 90) but has " +
                                   std::to_string(vertices));
    }
    if (paper) {
        // Paper space is kept as written; its followers go with it.
        paperSequence_ = sequence && (type == "POLYLINE" || type == "INSERT");
        scanner_ = start;
        return keepEntity(typeToken);
    }
    if (list_.size() > 0xFFFFFFF0u) return fail(typeToken.line, "the entity is too large");
    if (handle) noteHandle(handle);
    db_->append(list_, handle);
    return true;
}

// An entity another thread converted, taken as if read here.
bool Reader::takePrepared(const Token& typeToken) {
    if (!prepared_) return false;
    const PreparedEntity* entity = prepared_->find(typeToken.value.data());
    if (!entity) return false;
    for (const auto& [radians, degrees] : prepared_->degrees(*entity)) kept_->degreesAsRead.emplace(radians, degrees);
    if (entity->handle) noteHandle(entity->handle);
    db_->append(prepared_->list(*entity), entity->handle);
    scanner_.resumeAt(entity->resume, Token{0, entity->next, typeToken.line + entity->lines}, entity->crlf);
    return true;
}

bool Reader::keepEntity(const Token& typeToken) {
    KeptEntity entity{static_cast<EntityId>(db_->entityCount()), {kept_->raw.size(), 0}};
    keep(typeToken);
    Token token;
    while (expect(token, "section ENTITIES")) {
        if (token.code == 0) {
            scanner_.pushBack(token);
            entity.raw.count = kept_->raw.size() - entity.raw.first;
            kept_->keptEntities.push_back(entity);
            return true;
        }
        keep(token);
    }
    return false;
}

}  // namespace
}  // namespace dxf

namespace {

constexpr const char* kNoMemory = "not enough memory to read the drawing";

struct OpenFile {
    int fd;
    ~OpenFile() { ::close(fd); }
};

// The whole file in one block: read() into memory of our own is faster to
// scan than a mapping of the page cache.
bool readWhole(int fd, std::size_t size, LargeBlock& block) {
    block = LargeBlock(size);
    block.use(0, size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, block.data() + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Nothing is half-read: a drawing that runs out of memory is refused whole.
std::unique_ptr<Database> readText(std::string_view text, std::string& error) {
    dxf::Reader reader(text);
    return reader.run(error);
}

}  // namespace

std::unique_ptr<Database> readDxfText(std::string_view text, std::string& error) {
    try {
        return readText(text, error);
    } catch (const std::bad_alloc&) {
        error = kNoMemory;
        return nullptr;
    }
}

std::unique_ptr<Database> readDxf(const std::string& path, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0) ::close(fd);
        error = path + ": cannot open the drawing";
        return nullptr;
    }
    const OpenFile file{fd};
    const auto size = static_cast<std::size_t>(st.st_size);
    try {
        LargeBlock block;
        if (!readWhole(fd, size, block)) {
            error = path + ": cannot read the drawing";
            return nullptr;
        }
        auto db = readText(std::string_view(reinterpret_cast<const char*>(block.data()), size), error);
        if (!db) error = path + ", " + error;
        return db;
    } catch (const std::bad_alloc&) {
        error = path + ": " + kNoMemory;
        return nullptr;
    }
}

}  // namespace zcad
