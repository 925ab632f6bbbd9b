#include "settings/current_job.h"

#include "settings/install_dir.h"
#include "settings/job_files.h"
#include "settings/job_path.h"
#include "settings/path_text.h"
#include "settings/registry_values.h"
#include "settings/settings_message.h"

#include <limits>

namespace {

const char* const kJobKey = "Software\\Zarvo Software";
const char* const kOldJobKey = "Software\\Zarvo";
const char* const kJobValue = "Current Job";
const char* const kUnknownJob = "unknownf.xx1";
const char* const kWriteFailed =
    "Could not write current job information to registry.\n\nPlease report this to Zarvo Software";

// 0 new key, 1 old key, -2 neither key, -6 no job stored.
int readStoredJob(std::string& job, std::size_t size) {
    int result = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kJobKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kOldJobKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return -2;
        result = 1;
    }
    const ZaRegText read = zaRegQueryText(key, kJobValue, std::numeric_limits<std::size_t>::max(), job);
    RegCloseKey(key);
    if (read != ZaRegText::Ok) return -6;
    if (size > 0 && job.size() >= size) job.resize(size - 1);
    return result;
}

bool writeJob(HKEY key, const std::string& job) {
    if (zaRegWriteText(key, kJobValue, job, std::numeric_limits<std::size_t>::max())) return true;
    zaSettingsMessage(kWriteFailed);
    return false;
}

}  // namespace

int zaGetCurrentJob(std::string& job, std::size_t size) {
    const int stored = readStoredJob(job, size);
    if (stored == 0 || stored == 1) return stored;
    job.clear();
    std::string dir;
    const int result = zaGetZarvoInstallDir(dir, size);
    if (result < 0) return result;
    job = zaWithSeparator(dir) + kUnknownJob;
    if (job.size() < size) return result;
    job.clear();
    return -3;
}

bool zaSetCurrentJob(std::string_view jobFile) {
    const std::string job = zaJobFileToCurrentJob(jobFile);
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kJobKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        zaSettingsMessage(
            "Could not Open the Zarvo Software Registry Key\n\nPlease Report it to Zarvo Software");
        return false;
    }
    const bool written = writeJob(key, job);
    RegCloseKey(key);
    // The registry holds the job; job files that could not be written have
    // been reported, and the suite still finds the job in the registry.
    WriteOtherOldJobFiles(job);
    if (!written) return false;
    // Older programs of the suite still read the old key where it exists.
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kOldJobKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return true;
    const bool oldWritten = writeJob(key, job);
    RegCloseKey(key);
    return oldWritten;
}
