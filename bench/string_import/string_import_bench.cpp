// URIN and TRIN of a million records (strings of 50 points, two lone points
// after each, 40 plot codes) into a drawing saved as DXF, each in a process
// of its own so that its peak memory is its own; beside the durable I/O
// floor (the file read, our DXF's bytes written and synced) and the ezdxf
// peers doing the same job on the same files: the fastest path (numpy and
// r12writer) and, when asked, the document API, which takes minutes.
// Ours runs twice: as a command in a session that keeps no undo journal
// and in one that does, to show what the journal costs.
//   bench_string_import [--records N] [--dir DIR] [--runs 3] [--document-api] [--no-ezdxf]
#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"
#include "import_job.h"
#include "io_floor.h"
#include "peer_flags.h"
#include "settings/settings_record.h"
#include "string_file_generator.h"
#include "string_import/string_import.h"
#include "summary.h"
#include "zcad/undo.h"

namespace {

// The child: one import and its save, inside an undo step when `journal`.
int runImport(const std::string& format, const std::string& input, const std::string& output, bool journal) {
    const ImportChild child(output);
    ZaSettings& settings = zaSettings();
    settings.addLayers = true;
    settings.colourLayers = true;
    settings.endNameAtSpace = true;  // the code, not its notes, names the layer
    settings.includeNumerics = true;
    settings.maximumSize = "14";
    settings.polyline3D = true;
    return child.run([&] {
        zcad::Database& db = zcad::currentDatabase();
        if (journal) db.journal().begin(db, format == "ur" ? "URIN" : "TRIN");
        zastringimport::StringImport import;
        const bool read = format == "ur" ? import.importUR(input) : import.importTR(input);
        if (journal) db.journal().end(db);
        if (!read && format == "ur") std::fprintf(stderr, "import failed: %s\n", import.lastError().c_str());
        return read || format != "ur";
    });
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"URIN and TRIN of a million records against ezdxf and the I/O floor"};
    long long records = 1000000;
    ImportOptions options;
    bool journal = false;
    app.add_flag("--journal", journal, "(child) import inside an undo step");
    app.add_option("--records", records, "point records in each file")->check(CLI::Range(11LL, 2000000000LL));
    addImportOptions(app, options, "FORMAT INPUT OUTPUT");
    CLI11_PARSE(app, argc, argv);
    const auto& [dir, runs, peers, child] = options;
    if (!child.empty()) return runImport(child[0], child[1], child[2], journal);

    const std::string stem = (std::filesystem::path(dir) / ("bench" + std::to_string(::getpid() % 1000))).string();
    zastrings::StringFileShape shape;
    shape.records = records;
    shape.codes = 40;
    shape.stringLength = 50;
    shape.lonePoints = 2;
    std::string error;
    const std::string files[] = {stem + ".ur1", stem + ".tr1"};
    if (!zastrings::generateURFile(files[0], shape, error) || !zastrings::generateTRFile(files[1], shape, error)) {
        std::fprintf(stderr, "bench_string_import: %s", error.c_str());
        return 1;
    }
    std::printf("%lld records: strings of %d points, %d lone points after each, %d plot codes\n", records,
                shape.stringLength, shape.lonePoints, shape.codes);
    int failures = 0;
    for (const std::string& input : files) {
        const std::string format = input.substr(input.size() - 3, 2);
        const std::string job = format == "ur" ? "URIN" : "TRIN";
        const std::string output = input + ".dxf";
        ImportJob ran;
        ImportJob journalled;
        if (!runImportChild({selfPath(), "--child", format, input, output}, ran, runs) ||
            !runImportChild({selfPath(), "--child", format, input, output, "--journal"}, journalled, runs)) {
            std::fprintf(stderr, "%s failed\n", job.c_str());
            ++failures;
            continue;
        }
        std::printf("%s  with the undo journal %.3f s (%.3f of without), %.0f bytes/record (%.3f of without)\n",
                    job.c_str(), journalled.total().wall, journalled.total().wall / ran.total().wall,
                    static_cast<double>(journalled.peakGrowth) / static_cast<double>(records),
                    static_cast<double>(journalled.peakGrowth) / static_cast<double>(ran.peakGrowth));
        const Timing ours = ran.total();
        const std::string dxf = readWhole(output);
        std::filesystem::remove(output);
        const double floor = durableFloor({input}, dxf, output + ".floor");
        std::printf("%s  import %.3f s + DXF save %.3f s = %.3f s (%.0f records/s, processor %.3f s), "
                    "%.0f bytes/record, DXF %.1f MB\n",
                    job.c_str(), ran.import, ran.save, ours.wall, static_cast<double>(records) / ours.wall,
                    ours.processor, static_cast<double>(ran.peakGrowth) / static_cast<double>(records),
                    static_cast<double>(dxf.size()) / 1e6);
        const std::string script = "string_import/string_import_ezdxf.py";
        const Timing fast = runPeerJob(peers.fastestPath(), true, script, {format, input, output}, output);
        const Timing document = runPeerJob(peers.documentPeer(), false, script, {format, input, output}, output);
        printSummary(job.c_str(), ours, floor, fast, document);
    }
    for (const std::string& input : files) std::filesystem::remove(input);
    return failures == 0 ? 0 : 1;
}
