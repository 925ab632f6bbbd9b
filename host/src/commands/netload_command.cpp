// NETLOAD: a .NET assembly cannot run here; loading one records its path,
// so a module's ribbon loading can be followed, once the file is there.
#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
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

// An assembly is a Windows image: "MZ", and at the offset stored at 0x3C the
// signature "PE" and two NULs. A text file named .dll is none.
bool isLoadableLibrary(const std::string& path) {
    constexpr std::size_t kOffsetAt = 0x3C;
    std::ifstream in(fileSystemName(path), std::ios::binary);
    std::array<unsigned char, kOffsetAt + 4> head{};
    if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) return false;
    if (head[0] != 'M' || head[1] != 'Z') return false;
    const std::uint32_t offset = head[kOffsetAt] | head[kOffsetAt + 1] << 8 | head[kOffsetAt + 2] << 16 |
                                 static_cast<std::uint32_t>(head[kOffsetAt + 3]) << 24;
    std::array<char, 4> signature{};
    if (!in.seekg(offset) || !in.read(signature.data(), signature.size())) return false;
    return signature == std::array<char, 4>{'P', 'E', '\0', '\0'};
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
        if (!isLoadableLibrary(found)) {
            printMessage("Unable to load " + path + " assembly.");
            printMessage(found + " is not a loadable library.");
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
