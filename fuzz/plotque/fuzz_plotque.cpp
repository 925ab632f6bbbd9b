// plot.que on any bytes: every listed name is a file name of the queue's
// directory, listed once; and what would be written back reads back as the
// same queue and is written the same again, so no line grows and no header
// swallows an entry.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_set>

#include "plot/plot_queue.h"

namespace {

constexpr const char* kDirectory = "/queue/";

ZaPlotQueue queueOf(std::span<const char> bytes) {
    ZaPlotQueue queue(kDirectory);
    auto source = zafiles::memorySource(bytes);
    queue.read(*source);
    return queue;
}

void checkEntries(const ZaPlotQueue& queue) {
    std::unordered_set<std::string> seen;
    for (std::size_t i = 0; i < queue.size(); ++i) {
        const std::string& name = queue.name(i);
        if (name.empty() || name.find_first_of("\\/#\r\n") != std::string::npos) __builtin_trap();
        if (!seen.insert(name).second) __builtin_trap();
        if (queue.fullPath(i) != kDirectory + name) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ZaPlotQueue queue = queueOf(std::span<const char>(reinterpret_cast<const char*>(data), size));
    checkEntries(queue);
    const std::string written = queue.text();
    const ZaPlotQueue again = queueOf(std::span<const char>(written.data(), written.size()));
    if (again.size() != queue.size()) __builtin_trap();
    for (std::size_t i = 0; i < queue.size(); ++i) {
        if (again.name(i) != queue.name(i)) __builtin_trap();
    }
    if (again.text() != written) __builtin_trap();
    return 0;
}
