// The spatial indexes of the graph stages: Boost.Geometry's R-tree over
// boxes or points, each entry carrying its record's number. Every index is
// filled once, by bulk loading, and then only queried.
#pragma once

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/index/rtree.hpp>
#include <boost/iterator/function_output_iterator.hpp>

#include <algorithm>
#include <utility>
#include <vector>

#include "pads/pad_records.h"

namespace zapads {

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

using IndexPoint = bg::model::point<double, 2, bg::cs::cartesian>;
using IndexBox = bg::model::box<IndexPoint>;
using BoxEntry = std::pair<IndexBox, int>;
using PointEntry = std::pair<IndexPoint, int>;
using BoxTree = bgi::rtree<BoxEntry, bgi::rstar<16>>;
using PointTree = bgi::rtree<PointEntry, bgi::rstar<16>>;

inline IndexBox boxAround(const ZaPoint& a, const ZaPoint& b, double margin = 0) {
    return {{std::min(a.x, b.x) - margin, std::min(a.y, b.y) - margin},
            {std::max(a.x, b.x) + margin, std::max(a.y, b.y) + margin}};
}

inline IndexBox boxAround(const ZaPoint& p, double margin) { return boxAround(p, p, margin); }

// Hands the number of every entry whose box meets the query box to visit,
// without gathering them first.
template <class Tree, class Visit>
void forEachMeeting(const Tree& tree, const IndexBox& box, Visit&& visit) {
    tree.query(bgi::intersects(box),
               boost::iterators::make_function_output_iterator([&](const typename Tree::value_type& entry) { visit(entry.second); }));
}

}  // namespace zapads
