// PT2LEV on a million points, LEV2PT on their million level texts and PELEV
// raising the million points (bench_levels [points] [--no-ezdxf]). The
// commands read and write no file, so their floor is not the disk's but the
// host's: every selected entity's list read and one entity made for it from
// a list built once (BM_HostFloor), which any command of this kind pays.
// The peer, levels_ezdxf.py, does the three jobs with ezdxf; a drawing held in
// memory is ezdxf's document, so its document API is its fastest path here
// too (iterdxf and r12writer work on files) and the peer stands for both.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "arx/acedads.h"
#include "benchmark_results.h"
#include "child_process.h"
#include "peer_flags.h"
#include "levels/level_commands.h"
#include "settings/settings_record.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/host_test.h"

namespace {

int kEntities = 1000000;

void quiet() { zcad::setOutputSink([](std::string_view) {}); }

void selectAll() {
    zcad::clearInput();
    zcad::addInput(zcad::queueSource({"ALL", ""}));
}

// A fresh drawing of points on a grid at varied levels.
void drawPoints() {
    zcad::test::resetHost();
    quiet();
    const ads_point origin = {0, 0, 0};
    resbuf* list = acutBuildList(RTDXF0, "POINT", 8, "SURVEY", 10, origin, 0);
    resbuf* at = list->rbnext->rbnext;
    for (int i = 0; i < kEntities; ++i) {
        at->resval.rpoint[0] = 1000.0 + i % 300;
        at->resval.rpoint[1] = 2000.0 + i / 300;
        at->resval.rpoint[2] = 50.0 + (i % 977) * 0.0371;
        acdbEntMake(list);
    }
    acutRelRb(list);
}

void BM_HostFloor(benchmark::State& state) {
    drawPoints();
    const ads_point origin = {0, 0, 0};
    resbuf* text = acutBuildList(RTDXF0, "TEXT", 8, "mk_lev", 10, origin, 40, 3.0, 1, "50.000", 0);
    for (auto _ : state) {
        ads_name entity;
        ads_name next;
        int s = acdbEntNext(nullptr, entity);
        for (int i = 0; i < kEntities && s == RTNORM; ++i, s = acdbEntNext(entity, next), ads_name_set(next, entity)) {
            resbuf* got = acdbEntGet(entity);
            acdbEntMake(text);
            acutRelRb(got);
        }
    }
    acutRelRb(text);
    state.SetItemsProcessed(state.iterations() * kEntities);
}
BENCHMARK(BM_HostFloor)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Pt2Lev(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        drawPoints();
        selectAll();
        state.ResumeTiming();
        zaPT2LEV();
    }
    state.SetItemsProcessed(state.iterations() * kEntities);
    state.counters["entities"] = static_cast<double>(zcad::currentDatabase().entityCount());
}
BENCHMARK(BM_Pt2Lev)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Lev2Pt(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        drawPoints();
        selectAll();
        zaPT2LEV();
        zcad::addInput(zcad::queueSource({"TYPE TEXT", ""}));
        state.ResumeTiming();
        zaLEV2PT();
    }
    state.SetItemsProcessed(state.iterations() * kEntities);
    state.counters["entities"] = static_cast<double>(zcad::currentDatabase().entityCount());
}
BENCHMARK(BM_Lev2Pt)->Unit(benchmark::kMillisecond)->Iterations(3);

// Add mode: the host's MOVE along z over the whole selection.
void BM_Pelev(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        drawPoints();
        zcad::clearInput();
        zcad::addInput(zcad::queueSource({"ALL", "", "Add", "1.5"}));
        state.ResumeTiming();
        zaPELEV();
    }
    state.SetItemsProcessed(state.iterations() * kEntities);
}
BENCHMARK(BM_Pelev)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    const auto dir = std::filesystem::temp_directory_path() / ("bench_levels_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    ::setenv("ZARVO_REGISTRY", (dir / "registry.reg").c_str(), 1);
    ZaSettings& settings = zaSettings();
    settings.p2lPrecision = 3;
    settings.p2lTextHeight = 3;
    settings.p2lLayerName = "mk_lev";
    settings.l2pPreferences = 0x060;  // the defined layer, no dialog
    settings.l2pLayerName = "mk_pt";
    benchmark::Initialize(&argc, argv);
    const PeerFlags flags = readPeerFlags(argc, argv);
    if (!flags.positional.empty()) kEntities = std::max(1, std::atoi(flags.positional[0]));
    ResultsKept results;
    benchmark::RunSpecifiedBenchmarks(&results);
    benchmark::Shutdown();
    std::filesystem::remove_all(dir);

    const Ran peer = flags.fastestPath() ? runPeer("levels/levels_ezdxf.py", {std::to_string(kEntities)}) : Ran{};
    int points = 0, texts = 0, raised = 0;
    double pt2lev = -1e3, lev2pt = -1e3, pelev = -1e3;
    if (peer.ok) {
        std::printf("%s", peer.out.c_str());
        std::sscanf(peer.out.c_str(),
                    "ezdxf PT2LEV %d points: %lf ms; LEV2PT %d texts: %lf ms; PELEV %d points: %lf ms", &points,
                    &pt2lev, &texts, &lev2pt, &raised, &pelev);
    }
    const double floor = results["BM_HostFloor"].wall;
    const Timing ezdxfPt2Lev{pt2lev / 1e3, -1}, ezdxfLev2Pt{lev2pt / 1e3, -1}, ezdxfPelev{pelev / 1e3, -1};
    printSummary("PT2LEV", results["BM_Pt2Lev"], floor, ezdxfPt2Lev, ezdxfPt2Lev);
    printSummary("LEV2PT", results["BM_Lev2Pt"], floor, ezdxfLev2Pt, ezdxfLev2Pt);
    printSummary("PELEV", results["BM_Pelev"], floor, ezdxfPelev, ezdxfPelev);
    return 0;
}
