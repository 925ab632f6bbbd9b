// The store file: read when it has changed, written under a lock by
// read-modify-replace, so that concurrent writers keep each other's values
// and a writer that dies leaves the old file or the new one.
#pragma once

#include "reg_document.h"

#include <platform/win32.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace zplat::reg {

// The file the store lives in, from the environment.
std::string storePath();

// The document as the file holds it now; empty when there is no file, and
// when the file cannot be read (which is reported once and a copy kept aside).
std::shared_ptr<const Document> snapshot();

// Re-reads the file under the lock and applies change; when change returns
// true the file is replaced with the result. ERROR_SUCCESS or why not.
LONG update(const std::function<bool(Document&)>& change);

// Called while the new file is being written, after each piece of it;
// for tests that kill a writer half way. Empty: no hook.
void setWriteHook(std::function<void(std::size_t written, std::size_t total)> hook);

// Where reports go (set by the public setRegistryReporter).
void report(const std::string& message);

}  // namespace zplat::reg
