// Making and walking a million 3DFACE entities through the host API, the
// way the triangle import does. Reports makes per second and the bytes the
// drawing holds per entity.
#include <benchmark/benchmark.h>

#include "arx/acedads.h"
#include "zcad/database.h"
#include "zcad/host_test.h"

namespace {

constexpr int kFaces = 1'000'000;

void makeFaces(int count) {
    for (int i = 0; i < count; ++i) {
        const double x = i % 1000, y = i / 1000;
        const ads_point a = {x, y, 1.0}, b = {x + 1, y, 2.0}, c = {x + 1, y + 1, 3.0};
        resbuf* list = acutBuildList(RTDXF0, "3DFACE", 8, "Mesh", 10, a, 11, b, 12, c, 13, c, 0);
        acdbEntMake(list);
        acutRelRb(list);
    }
}

void BM_Make3DFaces(benchmark::State& state) {
    double bytesPerEntity = 0;
    for (auto _ : state) {
        state.PauseTiming();
        zcad::test::resetHost();
        state.ResumeTiming();
        makeFaces(kFaces);
        const auto& db = zcad::currentDatabase();
        bytesPerEntity = static_cast<double>(db.bytesHeld()) / static_cast<double>(db.entityCount());
    }
    state.SetItemsProcessed(state.iterations() * kFaces);
    state.counters["bytes_per_entity"] = bytesPerEntity;
}
BENCHMARK(BM_Make3DFaces)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Walk3DFaces(benchmark::State& state) {
    zcad::test::resetHost();
    makeFaces(kFaces);
    for (auto _ : state) {
        ads_name name, next;
        double sum = 0;
        for (int s = acdbEntNext(nullptr, name); s == RTNORM; s = acdbEntNext(name, next), ads_name_set(next, name)) {
            resbuf* list = acdbEntGet(name);
            for (const resbuf* rb = list; rb; rb = rb->rbnext) {
                if (rb->restype == 12) sum += rb->resval.rpoint[2];
            }
            acutRelRb(list);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kFaces);
}
BENCHMARK(BM_Walk3DFaces)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
