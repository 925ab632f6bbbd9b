// The suite's alignment transfer files: the HAL file of horizontal
// alignments (one HT line per IP) and the RV file of a vertical alignment
// (levels by chainage). Lines end with CRLF, as the suite reads them.
#pragma once

#include <string>
#include <string_view>

#include "alignment/alignment_vertex.h"
#include "alignment/hal_intervals.h"

// Alignment codes of the HT lines.
inline constexpr const char* kZaPeggedCode = "09";
inline constexpr const char* kZaShiftCode = "10";

// The HAL file of the IP lists: banner, mode line, then an HT line for
// every record but the tangent points, the pegged alignment's first.
std::string zaHalFileText(const ZaAlignment& pegged, const ZaAlignment* shift, const ZaHalIntervals& intervals);

// The RV file of the shift alignment: its length, then the level at every
// record but the curve IPs.
std::string zaRvFileText(const ZaAlignment& shift);

// The first record whose numbers do not fit the columns of the files it
// goes to (too large, or not a number), or null. An HT line that grew
// would shift every column after it.
const ZaAlignmentVertex* zaFirstUnfitRecord(const ZaAlignment& list, bool writesRv);

// The RV file beside a HAL file: "h1" of the extension becomes "rv"
// (name.h1A gives name.rvA).
std::string zaRvFileName(std::string_view halPath);
