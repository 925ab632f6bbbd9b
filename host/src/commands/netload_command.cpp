// NETLOAD: a .NET assembly cannot run here; loading one records its path,
// so a module's ribbon loading can be followed, once the file is there.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "host_command.h"
#include "host_state.h"
#include "zcad/text.h"
#include "zcad/text_edges.h"

namespace zcad::commands {

namespace {

bool isFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(fileSystemName(path), error);
}

// Paths built for the suite's platform may separate with backslashes.
std::string existingPath(const std::string& path) {
    if (isFile(path)) return path;
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    if (native != path && isFile(native)) return native;
    return {};
}

class NetloadCommand : public HostCommand {
public:
    std::string prompt() const override { return "Assembly file name: "; }

    Step feed(const Word& word) override {
        if (word.kind != Word::Kind::Text) return rejectWord("Requires a file name.");
        const std::string path(trimmed(word.text));
        if (path.empty()) return Step::Done;
        const std::string found = existingPath(path);
        if (found.empty()) {
            printMessage("Unable to load " + path + " assembly.");
            return Step::Failed;
        }
        auto& loaded = hostState().loadedAssemblies;
        if (std::find(loaded.begin(), loaded.end(), found) == loaded.end()) loaded.push_back(found);
        return Step::Done;
    }
};

}  // namespace

std::unique_ptr<HostCommand> makeNetloadCommand() { return std::make_unique<NetloadCommand>(); }

}  // namespace zcad::commands
