// Making and walking a million entities through the host API. Makes per
// second for each way of making them:
// - build, make, release: a list built and freed per entity, as a command
//   that makes a few entities does;
// - kept lists: a list built once and its values rewritten before each
//   make, as the module's imports do through the entity gate: 3DFACEs as
//   the triangle import makes them, and 3D polylines of 50 VERTEXes with
//   the string imports' own maker.
// There is no file I/O here, so the floor is the drawing's own: appending
// an entity's encoded groups, built once, to the drawing (BM_AppendFloor),
// the least any make can cost once a list has been checked and encoded.
// The bytes the drawing holds per entity are reported too.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "arx/acedads.h"
#include "shell/entity_gate.h"
#include "string_import/import_entities.h"
#include "zcad/database.h"
#include "zcad/host_test.h"

namespace {

constexpr int kFaces = 1'000'000;
constexpr int kStringVertices = 50;

void corners(int i, ads_point a, ads_point b, ads_point c) {
    const double x = i % 1000, y = i / 1000;
    a[0] = x, a[1] = y, a[2] = 1.0;
    b[0] = x + 1, b[1] = y, b[2] = 2.0;
    c[0] = x + 1, c[1] = y + 1, c[2] = 3.0;
}

int buildMakeRelease(int count) {
    for (int i = 0; i < count; ++i) {
        ads_point a, b, c;
        corners(i, a, b, c);
        resbuf* list = acutBuildList(RTDXF0, "3DFACE", 8, "Mesh", 10, a, 11, b, 12, c, 13, c, 0);
        acdbEntMake(list);
        acutRelRb(list);
    }
    return count;
}

int keptList(int count) {
    const ads_point origin = {0, 0, 0};
    ZaEntityList face(
        acutBuildList(RTDXF0, "3DFACE", 8, "Mesh", 10, origin, 11, origin, 12, origin, 13, origin, 0));
    for (int i = 0; i < count; ++i) {
        ads_point a, b, c;
        corners(i, a, b, c);
        face.point(10, a).point(11, b).point(12, c).point(13, c).make();
    }
    return count;
}

// Polylines of 50 vertices, as URIN makes them: about `count` makes.
int keptStrings(int count) {
    zastringimport::ImportEntityStyle style;
    style.polyline3D = true;
    zastringimport::ImportEntities make(style);
    const std::string layer = "KB";
    constexpr int kMakesPerString = kStringVertices + 2;
    const int strings = count / kMakesPerString;
    for (int s = 0; s < strings; ++s) {
        ZaPoint at = {300000.0 + s % 1000, 6200000.0 + s / 1000, 50.0};
        make.polyline(at, layer);
        for (int v = 0; v < kStringVertices; ++v, at[0] += 0.5) make.vertex(at, layer);
        make.seqend(layer);
    }
    return strings * kMakesPerString;
}

int appendFloor(int count) {
    const ads_point a = {1, 2, 3};
    std::vector<std::uint8_t> encoded;
    zcad::GroupWriter w(encoded);
    w.string(0, "3DFACE");
    w.string(8, "Mesh");
    for (int code = 10; code <= 13; ++code) w.point(code, a[0], a[1], a[2]);
    zcad::Database& db = zcad::currentDatabase();
    for (int i = 0; i < count; ++i) db.append(encoded);
    return count;
}

template <int (*Make)(int)>
void BM_Make(benchmark::State& state) {
    double bytesPerEntity = 0;
    std::int64_t makes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        zcad::test::resetHost();
        state.ResumeTiming();
        makes += Make(kFaces);
        const auto& db = zcad::currentDatabase();
        bytesPerEntity = static_cast<double>(db.bytesHeld()) / static_cast<double>(db.entityCount());
    }
    state.SetItemsProcessed(makes);
    state.counters["bytes_per_entity"] = bytesPerEntity;
}
BENCHMARK(BM_Make<appendFloor>)->Name("BM_AppendFloor")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Make<buildMakeRelease>)->Name("BM_Make3DFaces")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Make<keptList>)->Name("BM_Make3DFacesKeptList")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Make<keptStrings>)->Name("BM_MakeStringsKeptLists")->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Walk3DFaces(benchmark::State& state) {
    zcad::test::resetHost();
    buildMakeRelease(kFaces);
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
