#include "settings/job_files.h"

#include "arx/acedads.h"
#include "files/output_file.h"
#include "settings/install_dir.h"
#include "settings/job_path.h"
#include "settings/settings_message.h"

#include <string>

namespace {

enum class Written { Whole, NotOpened, Failed };

Written writeFile(const std::string& path, const std::string& bytes) {
    zafiles::OutputFile file;
    if (!file.open(path)) return Written::NotOpened;
    file.append(bytes);
    if (file.close()) return Written::Whole;
    acutPrintf("Failed to write job file \"%s\": %s\n", path.c_str(), file.failureReason().c_str());
    return Written::Failed;
}

std::string lastJobInfo(const std::string& name, const std::string& run) {
    std::string text = "<?xml version=\"1.0\" ?>\r\n";
    text += "<type>Zarvo Software Last Job Info File</type>\r\n";
    text += "<version>1.0b</version>\r\n";
    text += "<job>\r\n";
    text += "\t<name>" + name + "</name>\r\n";
    text += "\t<run>" + run + "</run>\r\n";
    text += "</job>\r\n\r\n";
    return text;
}

}  // namespace

bool WriteOtherOldJobFiles(std::string_view currentJob) {
    std::string installDir;
    if (zaGetZarvoInstallDir(installDir) < 0) {
        zaSettingsMessage("Failed to get zarvo install directory");
        return false;
    }
    ZaJobPathParts parts;
    zaSplitJobPath(currentJob, parts);
    // The run is the extension's last character, wherever that stands.
    const auto dot = currentJob.rfind('.');
    const std::size_t nameStart = parts.directory.size();
    std::string run;
    if (dot != std::string_view::npos && dot >= nameStart && dot + 1 < currentJob.size()) run = currentJob.back();

    const std::string curjob = installDir + "curjob";
    const Written current = writeFile(curjob, parts.directory + "\r\n");
    if (current == Written::NotOpened) acutPrintf("Failed to open curjob file \"%s\"", curjob.c_str());
    const Written old = writeFile(parts.directory + "oldjob.dat", parts.name.substr(0, 8) + run + "\r\n");
    const Written info = writeFile(parts.directory + "_oldjob.ojd", lastJobInfo(parts.name, run));
    return current == Written::Whole && old == Written::Whole && info == Written::Whole;
}
