// Reading and writing string files of a million records, beside the I/O
// floor (reading: the same bytes read in the same blocks with nothing
// decoded; writing: the same bytes written and synced) and the peer on
// Python's fastest path, strings_numpy.py. ezdxf has no part in these jobs,
// so there is no document API peer. The records written are made
// beforehand, as the peer's are read beforehand. Writing here is not
// synced, as the module's writers are not: the floor is the durable one
// all the same.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "benchmark_results.h"
#include "child_process.h"
#include "durable_write.h"
#include "io_floor.h"
#include "string_file_generator.h"
#include "strings/tr_reader.h"
#include "strings/tr_writer.h"
#include "strings/ur_reader.h"
#include "strings/ur_writer.h"

namespace {

constexpr std::int64_t kRecords = 1000000;

const std::string& sample(const char* extension) {
    static const auto make = [](const char* ext) {
        const auto path =
            (std::filesystem::temp_directory_path() / ("bench_strings_" + std::to_string(::getpid()) + "." + ext)).string();
        zastrings::StringFileShape shape;
        shape.records = kRecords;
        shape.codes = 40;
        std::string error;
        const bool written = std::string(ext) == "ur1" ? zastrings::generateURFile(path, shape, error)
                                                       : zastrings::generateTRFile(path, shape, error);
        if (!written) std::fprintf(stderr, "%s", error.c_str());
        return path;
    };
    static const std::string ur = make("ur1");
    static const std::string tr = make("tr1");
    return std::string(extension) == "ur1" ? ur : tr;
}

void ioFloor(benchmark::State& state, const char* extension) {
    const auto& path = sample(extension);
    std::vector<char> block(4096 * 56);
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        std::setvbuf(file, nullptr, _IONBF, 0);
        std::size_t total = 0;
        while (const std::size_t got = std::fread(block.data(), 1, block.size(), file)) total += got;
        std::fclose(file);
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

void writeFloor(benchmark::State& state, const char* extension) {
    const std::string bytes = readWhole(sample(extension));
    const auto path = sample(extension) + ".floor";
    for (auto _ : state) {
        if (!writeDurably(path, bytes)) state.SkipWithError("cannot write the floor's file");
    }
    std::filesystem::remove(path);
}

void readUR(benchmark::State& state) {
    const auto& path = sample("ur1");
    for (auto _ : state) {
        zastrings::URReader reader;
        reader.open(path);
        zastrings::StringRecord record;
        double sum = 0;
        while (reader.next(record) == zastrings::URRead::Record) sum += record.x;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}

void readTR(benchmark::State& state) {
    const auto& path = sample("tr1");
    for (auto _ : state) {
        zastrings::TRReader reader;
        reader.open(path);
        zastrings::StringRecord record;
        double sum = 0;
        while (reader.next(record)) sum += record.x;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}

// The records of the samples, made once: writing is timed, not making them.
const std::vector<zastrings::StringRecord>& sampleRecords() {
    static const std::vector<zastrings::StringRecord> records = [] {
        std::vector<zastrings::StringRecord> made;
        made.reserve(kRecords);
        zastrings::StringFileShape shape;
        shape.records = kRecords;
        shape.codes = 40;
        zastrings::generateStringRecords(shape, [&](const zastrings::StringRecord& record) {
            made.push_back(record);
            return true;
        });
        return made;
    }();
    return records;
}

template <typename Put>
bool writeAll(Put put) {
    for (const zastrings::StringRecord& record : sampleRecords()) {
        if (!put(record)) return false;
    }
    return true;
}

void writeFile(benchmark::State& state, bool ur) {
    const auto path = (std::filesystem::temp_directory_path() / ("bench_strings_out_" + std::to_string(::getpid()))).string();
    sampleRecords();
    for (auto _ : state) {
        bool written = false;
        if (ur) {
            zastrings::URWriter writer;
            written = writer.open(path) && writer.WriteURHeader() &&
                      writeAll([&](const zastrings::StringRecord& r) { return writer.PutURRecord(r); }) && writer.finish();
        } else {
            zastrings::TRWriter writer;
            written = writer.open(path) && writer.WriteTRHeader() &&
                      writeAll([&](const zastrings::StringRecord& r) { return writer.PutTRRecord(r); }) && writer.close();
        }
        if (!written) state.SkipWithError("cannot write the file");
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * kRecords);
}

}  // namespace

BENCHMARK_CAPTURE(ioFloor, ur, "ur1")->Unit(benchmark::kMillisecond);
BENCHMARK(readUR)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ioFloor, tr, "tr1")->Unit(benchmark::kMillisecond);
BENCHMARK(readTR)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeFloor, ur, "ur1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeFile, ur, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeFloor, tr, "tr1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeFile, tr, false)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    ResultsKept results;
    benchmark::RunSpecifiedBenchmarks(&results);
    benchmark::Shutdown();
    const Ran peer = runPeer("strings/strings_numpy.py", {sample("ur1"), sample("tr1"), sample("ur1") + ".peer"});
    Timing fast[4];
    if (peer.ok) {
        std::printf("%s", peer.out.c_str());
        std::sscanf(peer.out.c_str(), "read-ur %lf read-tr %lf write-ur %lf write-tr %lf", &fast[0].wall,
                    &fast[1].wall, &fast[2].wall, &fast[3].wall);
    }
    printSummary("read UR", results["readUR"], results["ioFloor/ur"].wall, fast[0], {});
    printSummary("read TR", results["readTR"], results["ioFloor/tr"].wall, fast[1], {});
    printSummary("write UR", results["writeFile/ur"], results["writeFloor/ur"].wall, fast[2], {});
    printSummary("write TR", results["writeFile/tr"], results["writeFloor/tr"].wall, fast[3], {});
    std::filesystem::remove(sample("ur1"));
    std::filesystem::remove(sample("tr1"));
    return 0;
}
