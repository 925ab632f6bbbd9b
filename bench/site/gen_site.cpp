// Writes the example job: one small subdivision on a hillside, 400 m square.
//   gen_site --dir examples
// The ground (hillside.ut1 and .up1), the road with its kerbs and footpaths
// and the survey points (strings1.ur1), the lots and fences (strings1.tr1),
// the plan's annotation (plot2d.p01) and the ground's contours (plot3d.m01).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

#include "files/output_file.h"
#include "plot_record_writer.h"
#include "strings/tr_writer.h"
#include "strings/ur_writer.h"
#include "triangle_model_generator.h"

namespace {

constexpr double kEast = 500000.0;  // the site's south-west corner
constexpr double kNorth = 7000000.0;
constexpr double kSize = 400.0;
constexpr double kSpacing = 10.0;  // of the ground's grid

struct Plan {
    double x;
    double y;
};

// The road's centreline runs west to east in a gentle S; `along` is metres
// east of the west edge, `offset` metres left (north) of the centreline.
Plan road(double along, double offset) {
    const double y = 200.0 + 35.0 * std::sin((along - 200.0) / 120.0);
    const double slope = 35.0 / 120.0 * std::cos((along - 200.0) / 120.0);
    const double length = std::hypot(1.0, slope);
    return {along - offset * slope / length, y + offset / length};
}

// The centreline's direction, in degrees anticlockwise from east.
double bearing(double along) {
    const Plan here = road(along, 0.0);
    const Plan ahead = road(along + 1.0, 0.0);
    return std::atan2(ahead.y - here.y, ahead.x - here.x) * 180.0 / M_PI;
}

double level(Plan p) { return zatriangles::terrainHeight(p.x, p.y); }
double rounded(double value) { return std::round(value * 1000.0) / 1000.0; }

// The survey's string records, in site coordinates.
class Strings {
public:
    explicit Strings(bool ur) : ur_(ur) {}
    bool open(const std::string& path) {
        return ur_ ? urWriter_.open(path) && urWriter_.WriteURHeader() : trWriter_.open(path) && trWriter_.WriteTRHeader();
    }
    void put(int string, Plan p, const std::string& text) {
        const double point[3] = {rounded(kEast + p.x), rounded(kNorth + p.y), rounded(level(p))};
        const std::span<const double, 3> at(point);
        good_ = good_ && (ur_ ? urWriter_.PutURRecord(string, number_, at, text)
                              : trWriter_.PutTRRecord(string, number_, at, text));
        ++number_;
    }
    int nextString() { return ++strings_; }
    bool close() { return good_ && (ur_ ? urWriter_.finish() : trWriter_.close()); }

private:
    bool ur_;
    zastrings::URWriter urWriter_;
    zastrings::TRWriter trWriter_;
    int number_ = 0;
    int strings_ = 0;
    bool good_ = true;
};

// Lots front the road reserve (10 m each side of the centreline) and run
// 35 m back from it, 25 m wide.
constexpr double kReserve = 10.0;
constexpr double kLotDepth = 35.0;
constexpr double kLotWidth = 25.0;
constexpr int kLotsEachSide = 14;

template <typename Each>
void forEachLot(Each each) {
    int number = 1;
    for (const double side : {1.0, -1.0}) {
        for (int i = 0; i < kLotsEachSide; ++i, ++number) {
            const double from = 25.0 + i * kLotWidth;
            each(number, from, from + kLotWidth, side);
        }
    }
}

bool writeRoadAndSurvey(const std::string& path) {
    Strings out(true);
    if (!out.open(path)) return false;
    const auto line = [&](const char* text, double offset) {
        const int string = out.nextString();
        for (double along = 0; along <= kSize; along += 10.0) out.put(string, road(along, offset), text);
    };
    line("RD  CL", 0.0);
    line("KB  LEFT", 4.5);
    line("KB  RIGHT", -4.5);
    line("FP  LEFT", 7.0);
    line("FP  RIGHT", -7.0);
    // Spot levels on the crown and the open ground behind the lots, and the
    // trees kept there.
    for (double along = 20.0; along < kSize; along += 60.0) out.put(0, road(along, 0.0), "SP  CROWN");
    for (double along = 40.0; along < kSize; along += 80.0) {
        out.put(0, road(along, 70.0), "SP  GROUND");
        out.put(0, road(along + 20.0, -70.0), "SP  GROUND");
        out.put(0, road(along + 10.0, 110.0), "TREE");
        out.put(0, road(along + 30.0, -105.0), "TREE");
    }
    return out.close();
}

bool writeLots(const std::string& path) {
    Strings out(false);
    if (!out.open(path)) return false;
    forEachLot([&](int number, double from, double to, double side) {
        const int string = out.nextString();
        const std::string text = "LOT " + std::to_string(number);
        for (const Plan p : {road(from, side * kReserve), road(to, side * kReserve), road(to, side * (kReserve + kLotDepth)),
                             road(from, side * (kReserve + kLotDepth)), road(from, side * kReserve)})
            out.put(string, p, text);
    });
    for (const double side : {1.0, -1.0}) {
        const int string = out.nextString();
        for (double along = 25.0; along <= 25.0 + kLotsEachSide * kLotWidth; along += 12.5)
            out.put(string, road(along, side * (kReserve + kLotDepth + 0.5)), "FN  REAR");
    }
    return out.close();
}

bool save(const std::string& path, const std::string& bytes) {
    zafiles::OutputFile file;
    return file.open(path) && file.append(bytes) && file.close();
}

std::string planAnnotation() {
    PlotRecordWriter plot(false);
    const auto at = [](Plan p) { return Plan{kEast + p.x, kNorth + p.y}; };
    // Lot numbers at the middle of each lot.
    plot.layer(1, 3, 1);
    forEachLot([&](int number, double from, double to, double side) {
        const Plan middle = at(road((from + to) / 2.0, side * (kReserve + kLotDepth / 2.0)));
        plot.text(middle.x, middle.y, 3.0, 0.0, 11, {std::to_string(number)});
    });
    // Chainages across the centreline, and the road's name along it.
    plot.layer(2, 1, 1);
    for (double along = 0; along <= kSize; along += 50.0) {
        const Plan left = at(road(along, 2.0));
        const Plan right = at(road(along, -2.0));
        plot.move(left.x, left.y);
        plot.draw(right.x, right.y);
        const Plan label = at(road(along, -3.0));
        char chainage[32];
        std::snprintf(chainage, sizeof chainage, "CH 0+%03d", static_cast<int>(along));
        plot.text(label.x, label.y, 1.5, bearing(along), 11, {chainage});
    }
    const Plan name = at(road(225.0, 2.2));
    plot.text(name.x, name.y, 2.0, bearing(225.0), 11, {"HILLSIDE DRIVE"});
    // Stormwater pits at the kerbs.
    plot.layer(6, 5, 1);
    for (double along = 30.0; along < kSize; along += 90.0) {
        for (const double side : {4.5, -4.5}) {
            const Plan pit = at(road(along, side));
            plot.circle(pit.x, pit.y, 0.6);
        }
    }
    // Grid crosses every 100 m with their coordinates.
    plot.layer(8, 8, 1);
    for (double e = 100.0; e < kSize; e += 100.0) {
        for (double n = 100.0; n < kSize; n += 100.0) {
            plot.move(kEast + e - 2.0, kNorth + n);
            plot.draw(kEast + e + 2.0, kNorth + n);
            plot.move(kEast + e, kNorth + n - 2.0);
            plot.draw(kEast + e, kNorth + n + 2.0);
            char coordinates[48];
            std::snprintf(coordinates, sizeof coordinates, "E%.0f N%.0f", kEast + e, kNorth + n);
            plot.text(kEast + e + 2.5, kNorth + n + 1.5, 1.5, 0.0, 0, {coordinates});
        }
    }
    // The title and a north point in the south-east corner.
    plot.layer(12, 7, 1);
    const double left = kEast + 250.0;
    const double bottom = kNorth + 5.0;
    plot.move(left, bottom);
    for (const Plan corner : {Plan{left + 145.0, bottom}, Plan{left + 145.0, bottom + 22.0}, Plan{left, bottom + 22.0},
                              Plan{left, bottom}})
        plot.draw(corner.x, corner.y);
    plot.text(left + 62.0, bottom + 15.0, 4.0, 0.0, 11, {"HILLSIDE ESTATE STAGE 1"});
    plot.text(left + 62.0, bottom + 7.0, 2.0, 0.0, 11, {"ROAD AND LOT LAYOUT   SCALE 1:1000"});
    const double arrowX = left + 133.0;
    plot.move(arrowX - 3.0, bottom + 4.0);
    plot.draw(arrowX, bottom + 18.0);
    plot.draw(arrowX + 3.0, bottom + 4.0);
    plot.draw(arrowX, bottom + 8.0);
    plot.draw(arrowX - 3.0, bottom + 4.0);
    plot.text(arrowX, bottom + 20.0, 2.5, 0.0, 11, {"N"});
    plot.end();
    return std::move(plot.buffer());
}

// The run with the points that lie within `tolerance` of the line through
// their neighbours left out (Douglas and Peucker).
void keepFarthest(const std::vector<Plan>& run, std::size_t first, std::size_t last, double tolerance,
                  std::vector<bool>& keep) {
    if (last <= first + 1) return;
    const double dx = run[last].x - run[first].x, dy = run[last].y - run[first].y;
    const double length = std::hypot(dx, dy);
    std::size_t farthest = first;
    double distance = tolerance;
    for (std::size_t i = first + 1; i < last; ++i) {
        const double ex = run[i].x - run[first].x, ey = run[i].y - run[first].y;
        // A closed run's ends meet: its points are measured from there.
        const double d = length < 1e-9 ? std::hypot(ex, ey) : std::abs(dx * ey - dy * ex) / length;
        if (d <= distance) continue;
        distance = d;
        farthest = i;
    }
    if (farthest == first) return;
    keep[farthest] = true;
    keepFarthest(run, first, farthest, tolerance, keep);
    keepFarthest(run, farthest, last, tolerance, keep);
}

std::vector<Plan> simplified(const std::vector<Plan>& run, double tolerance) {
    std::vector<bool> keep(run.size(), false);
    keep.front() = keep.back() = true;
    keepFarthest(run, 0, run.size() - 1, tolerance, keep);
    std::vector<Plan> kept;
    for (std::size_t i = 0; i < run.size(); ++i)
        if (keep[i]) kept.push_back(run[i]);
    return kept;
}

// Contours of the ground every 2.5 m, traced through the ground's triangles,
// joined into one run of draws each and thinned to what the plan's scale shows.
std::string contours() {
    constexpr double kStep = kSpacing;
    const int cells = static_cast<int>(kSize / kStep);
    const auto node = [&](int i, int j) { return std::pair{i, j}; };
    using Node = std::pair<int, int>;
    using Edge = std::pair<Node, Node>;
    PlotRecordWriter plot(true);
    plot.layer(5, 4, 1);
    for (double z = 80.0; z <= 125.0; z += 2.5) {
        // Each crossed triangle joins two of its edges; a contour walks them.
        std::map<Edge, std::vector<Edge>> joins;
        const auto cross = [&](Node a, Node b, Node c) {
            std::vector<Edge> crossed;
            for (const Edge& e : {Edge{a, b}, Edge{b, c}, Edge{c, a}}) {
                const double za = zatriangles::terrainHeight(e.first.first * kStep, e.first.second * kStep);
                const double zb = zatriangles::terrainHeight(e.second.first * kStep, e.second.second * kStep);
                if ((za < z) != (zb < z)) crossed.push_back(e.first < e.second ? e : Edge{e.second, e.first});
            }
            if (crossed.size() != 2) return;
            joins[crossed[0]].push_back(crossed[1]);
            joins[crossed[1]].push_back(crossed[0]);
        };
        for (int j = 0; j < cells; ++j) {
            for (int i = 0; i < cells; ++i) {
                cross(node(i, j), node(i + 1, j), node(i + 1, j + 1));
                cross(node(i, j), node(i + 1, j + 1), node(i, j + 1));
            }
        }
        const auto where = [&](const Edge& e) {
            const double xa = e.first.first * kStep, ya = e.first.second * kStep;
            const double xb = e.second.first * kStep, yb = e.second.second * kStep;
            const double za = zatriangles::terrainHeight(xa, ya), zb = zatriangles::terrainHeight(xb, yb);
            const double t = (z - za) / (zb - za);
            return Plan{kEast + xa + t * (xb - xa), kNorth + ya + t * (yb - ya)};
        };
        // Open contours start at an edge with one join; closed ones anywhere.
        std::map<Edge, bool> used;
        const auto trace = [&](Edge from) {
            const Edge start = from;
            std::vector<Plan> run = {where(from)};
            used[from] = true;
            for (bool more = true; more;) {
                more = false;
                for (const Edge& next : joins[from]) {
                    if (used[next]) continue;
                    used[next] = true;
                    run.push_back(where(next));
                    from = next;
                    more = true;
                    break;
                }
            }
            const std::vector<Edge>& last = joins[from];
            if (run.size() > 2 && std::find(last.begin(), last.end(), start) != last.end()) run.push_back(run.front());
            const std::vector<Plan> kept = simplified(run, 0.2);
            plot.move(kept.front().x, kept.front().y, z);
            for (std::size_t i = 1; i < kept.size(); ++i) plot.draw(kept[i].x, kept[i].y, z);
        };
        for (const auto& [edge, next] : joins)
            if (next.size() == 1 && !used[edge]) trace(edge);
        for (const auto& [edge, next] : joins)
            if (!used[edge]) trace(edge);
    }
    plot.end();
    return std::move(plot.buffer());
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Writes the example job: ground, strings and plot files of one small subdivision"};
    std::string dir = "examples";
    app.add_option("--dir", dir, "folder to write the files in");
    CLI11_PARSE(app, argc, argv);

    zatriangles::TerrainShape shape;
    shape.spacing = kSpacing;
    shape.triangles = 2 * static_cast<std::int64_t>(kSize / kSpacing) * static_cast<std::int64_t>(kSize / kSpacing);
    shape.east = kEast;
    shape.north = kNorth;
    std::string error;
    if (!zatriangles::generateTriangleModel(dir + "/hillside.ut1", shape, error)) {
        std::fprintf(stderr, "gen_site: %s\n", error.c_str());
        return 1;
    }
    const std::pair<const char*, bool> written[] = {
        {"strings1.ur1", writeRoadAndSurvey(dir + "/strings1.ur1")},
        {"strings1.tr1", writeLots(dir + "/strings1.tr1")},
        {"plot2d.p01", save(dir + "/plot2d.p01", planAnnotation())},
        {"plot3d.m01", save(dir + "/plot3d.m01", contours())},
    };
    for (const auto& [name, good] : written) {
        if (good) continue;
        std::fprintf(stderr, "gen_site: %s/%s could not be written\n", dir.c_str(), name);
        return 1;
    }
    std::printf("gen_site: the example job written in %s\n", dir.c_str());
    return 0;
}
