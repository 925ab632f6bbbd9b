#include "plot/plot_queue_job.h"

#include <string_view>

#include "files/line_reader.h"
#include "files/text_rules.h"

namespace {

constexpr std::string_view kUnknownJob = "unknownf1";
constexpr std::size_t kShortestLine = 9;

}  // namespace

ZaDirectoryJob zaDirectoryJob(const std::string& directory) {
    std::string line;
    if (auto source = zafiles::openFileSource(directory + "oldjob.dat")) {
        zafiles::LineReader lines(std::move(source));
        if (const auto first = lines.next()) line = zafiles::trimTrailingSpaces(*first);
    }
    const std::string_view job = line.size() < kShortestLine ? kUnknownJob : std::string_view(line);
    std::string path = directory;
    path += job.substr(0, job.size() - 1);
    path += ".xx";
    path += job.back();
    return {std::move(path), line.size()};
}
