#include "settings/job_files.h"

#include "settings/install_dir.h"
#include "settings/job_path.h"
#include "settings/settings_message.h"

#include "arx/acedads.h"

#include <fstream>
#include <string>

namespace {

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << bytes;
    return true;
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

void WriteOtherOldJobFiles(std::string_view currentJob) {
    std::string installDir;
    if (zaGetZarvoInstallDir(installDir) < 0) {
        zaSettingsMessage("Failed to get zarvo install directory");
        return;
    }
    ZaJobPathParts parts;
    zaSplitJobPath(currentJob, parts);
    // The run is the extension's last character, wherever that stands.
    const auto dot = currentJob.rfind('.');
    const std::size_t nameStart = parts.directory.size();
    std::string run;
    if (dot != std::string_view::npos && dot >= nameStart && dot + 1 < currentJob.size())
        run = currentJob.back();

    const std::string curjob = installDir + "curjob";
    if (!writeFile(curjob, parts.directory + "\r\n"))
        acutPrintf("Failed to open curjob file \"%s\"", curjob.c_str());
    writeFile(parts.directory + "oldjob.dat", parts.name.substr(0, 8) + run + "\r\n");
    writeFile(parts.directory + "_oldjob.ojd", lastJobInfo(parts.name, run));
}
