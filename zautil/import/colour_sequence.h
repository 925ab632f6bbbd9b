// The colours given in turn to the layers an import created or used, so
// that neighbouring layers of a drawing are told apart at a glance.
#pragma once

#include <array>
#include <cstddef>

inline constexpr std::size_t kZaLayerColourCount = 255;

// AutoCAD colour indices; the i-th (from 0) is for the i-th layer.
extern const std::array<int, kZaLayerColourCount> zaLayerColourSequence;
