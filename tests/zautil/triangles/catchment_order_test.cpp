// Catchment strings look back at a neighbour's drainage normal across each
// shared edge; the records may lie in any order, a neighbour next door or a
// whole file away, and every edge still lands on its class layer.
#include <gtest/gtest.h>

#include <numeric>

#include "triangle_fixture.h"
#include "triangles/surface_geometry.h"

namespace {

using namespace tritest;

class CatchmentOrder : public TriangleTest {};

struct Edge {
    std::string layer;
    ZaPoint from;
    ZaPoint to;
    bool operator==(const Edge&) const = default;
};

// The strings the model should give, worked out with every record's normal at hand.
std::vector<Edge> expectedEdges(const TriangleModelData& model) {
    const auto at = [&](std::int32_t v) { return model.points[static_cast<std::size_t>(v - 3)]; };
    std::vector<ZaPoint> normals(model.records.size());
    for (std::size_t t = 0; t < model.records.size(); ++t) {
        const UTTriangle& r = model.records[t];
        if (!r.active()) continue;
        normals[t] = drainageNormal(surfaceNormal(at(r.vertices[0]), at(r.vertices[1]), at(r.vertices[2])));
    }
    std::vector<Edge> edges;
    for (std::size_t t = 0; t < model.records.size(); ++t) {
        const UTTriangle& r = model.records[t];
        for (int e = 0; r.active() && e < 3; ++e) {
            const ZaPoint from = at(r.vertices[static_cast<std::size_t>((e + 1) % 3)]);
            const ZaPoint to = at(r.vertices[static_cast<std::size_t>((e + 2) % 3)]);
            const auto across = static_cast<std::size_t>(r.neighbours[static_cast<std::size_t>(e)]);
            if (r.boundary(e)) {
                edges.push_back({"Boundary", from, to});
            } else if (across < t) {
                const EdgeClass c = classifyEdge(from, to, normals[t], normals[across], e == 1 ? 0.0001 : 0.001);
                edges.push_back({std::string(edgeClassLayer(c)), from, to});
            }
        }
    }
    return edges;
}

std::vector<Edge> drawnEdges() {
    std::vector<Edge> edges;
    const auto all = storedEntities();
    for (std::size_t i = 0; i + 2 < all.size(); ++i) {
        if (all[i].type == "POLYLINE") edges.push_back({all[i].text(8), all[i + 1].point(10), all[i + 2].point(10)});
    }
    return edges;
}

// The same surface with its records in another order, the neighbours renumbered.
TriangleModelData reordered(const TriangleModelData& model, std::size_t stride) {
    const std::size_t n = model.records.size();
    std::vector<std::size_t> placeOf(n);  // old record number -> new
    for (std::size_t i = 0; i < n; ++i) placeOf[i * stride % n] = i;
    TriangleModelData out = model;
    for (std::size_t old = 0; old < n; ++old) {
        UTTriangle r = model.records[old];
        for (int e = 0; r.active() && e < 3; ++e) {
            auto& across = r.neighbours[static_cast<std::size_t>(e)];
            if (!r.boundary(e)) across = static_cast<std::int32_t>(placeOf[static_cast<std::size_t>(across)]);
        }
        out.records[placeOf[old]] = r;
    }
    return out;
}

TEST_F(CatchmentOrder, EveryEdgeTakesItsClassWhereverItsNeighbourLies) {
    TerrainShape shape;
    shape.triangles = 600;
    shape.inactiveEvery = 7;
    TriangleModelData model = generateTerrain(shape);
    // A level terrace in the south: flats, and edges where it meets the slope.
    for (std::size_t p = 0; p < 40; ++p) model.points[p].z = 20.0;
    ASSERT_EQ(std::gcd(model.records.size(), std::size_t{97}), 1u);

    const std::size_t last = model.records.size() - 1;
    const std::pair<const char*, TriangleModelData> cases[] = {
        {"stored row by row", model}, {"strided", reordered(model, 97)}, {"reversed", reordered(model, last)}};
    for (const auto& [name, shuffled] : cases) {
        SCOPED_TRACE(name);
        zcad::test::resetHost();
        importTriangles(options(ImportMethod::Catchment), writeModel("terrain1.ut1", shuffled));
        const std::vector<Edge> expected = expectedEdges(shuffled);
        const std::vector<Edge> drawn = drawnEdges();
        ASSERT_EQ(drawn.size(), expected.size()) << output_;
        for (std::size_t i = 0; i < drawn.size(); ++i) ASSERT_EQ(drawn[i], expected[i]) << "string " << i;
        for (const char* layer : {"flat", "edge", "slope", "Boundary"}) {
            EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [&](const Edge& e) { return e.layer == layer; }))
                << layer;
        }
        EXPECT_FALSE(zcad::test::sequenceOpen());
    }
}

}  // namespace
