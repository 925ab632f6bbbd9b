#include "reg_store.h"

#include "reg_file.h"
#include "reg_text.h"

#include <mutex>
#include <set>

namespace zplat::reg {

namespace {

std::mutex gMutex;
std::string gCachedPath;
FileIdentity gCachedIdentity;
std::shared_ptr<const Document> gCached;
std::set<std::string> gReported;

std::shared_ptr<const Document> emptyDocument() {
    static const auto empty = std::make_shared<const Document>();
    return empty;
}

std::string identityKey(const std::string& path, const FileIdentity& id) {
    return path + '|' + std::to_string(id.device) + ':' + std::to_string(id.inode) + ':' +
           std::to_string(id.size) + ':' + std::to_string(id.modifiedNs);
}

// A store that cannot be read is told about once for each state of the file,
// and a copy is kept before anything can replace it.
void damaged(const std::string& path, const FileIdentity& id, const std::string& bytes,
             const std::string& why) {
    const std::string aside = keepAside(path, bytes);
    if (!gReported.insert(identityKey(path, id)).second) return;
    std::string msg = "\nThe registry store \"" + path + "\" cannot be read (" + why + ").\n";
    if (aside.empty()) {
        msg += "No copy of it could be kept; it is used as empty until settings are written.\n";
    } else {
        msg += "A copy is kept as \"" + aside +
               "\"; the store is used as empty and replaced when settings are next written.\n";
    }
    report(msg);
}

}  // namespace

std::shared_ptr<const Document> snapshot() {
    const std::lock_guard lock(gMutex);
    const std::string path = resolvedStorePath();
    const bool cached = path == gCachedPath && gCached;
    FileRead read = readStoreFile(path, cached ? &gCachedIdentity : nullptr);
    if (read.status == FileRead::Status::Unchanged) return gCached;
    if (read.status == FileRead::Status::Missing) return emptyDocument();
    if (read.status == FileRead::Status::Failed || read.status == FileRead::Status::TooLarge) {
        if (gReported.insert(identityKey(path, read.identity) + read.error).second)
            report("\nThe registry store \"" + path + "\" cannot be read: " + read.error +
                   ".\nIt is used as empty and left as it is.\n");
        return emptyDocument();
    }
    ParseResult parsed = parseRegText(read.bytes);
    gCachedPath = path;
    gCachedIdentity = read.identity;
    if (!parsed.document) {
        damaged(path, read.identity, read.bytes, parsed.error);
        gCached = emptyDocument();
        return gCached;
    }
    gCached = std::make_shared<const Document>(std::move(*parsed.document));
    return gCached;
}

LONG update(const std::function<bool(Document&)>& change) {
    const std::lock_guard lock(gMutex);
    const std::string path = resolvedStorePath();
    StoreLock fileLock;
    if (const LONG rc = fileLock.acquire(path); rc != ERROR_SUCCESS) return rc;

    const FileRead read = readStoreFile(path);
    // A file we cannot read is never replaced: nothing of it could be kept.
    if (read.status == FileRead::Status::Failed || read.status == FileRead::Status::TooLarge) {
        if (gReported.insert(identityKey(path, read.identity) + read.error).second)
            report("\nThe registry store \"" + path + "\" cannot be read: " + read.error +
                   ".\nIt is used as empty and left as it is.\n");
        return ERROR_CANTWRITE;
    }
    Document doc;
    if (read.status == FileRead::Status::Ok) {
        ParseResult parsed = parseRegText(read.bytes);
        if (parsed.document) {
            doc = std::move(*parsed.document);
        } else {
            damaged(path, read.identity, read.bytes, parsed.error);
            // Never replace a damaged store of which no copy could be kept.
            if (keepAside(path, read.bytes).empty()) return ERROR_CANTWRITE;
        }
    }
    if (!change(doc)) return ERROR_SUCCESS;

    FileIdentity written;
    if (const LONG rc = replaceStoreFile(path, writeRegText(doc), written); rc != ERROR_SUCCESS)
        return rc;
    gCachedPath = path;
    gCachedIdentity = written;
    gCached = std::make_shared<const Document>(std::move(doc));
    return ERROR_SUCCESS;
}

}  // namespace zplat::reg
