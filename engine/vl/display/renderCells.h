#pragma once

#include <string>
#include <vector>

#include "vl/display/CellRecord.h"
#include "vl/world/Vector.h"

namespace vl {

/// The screen the cells make, as text: `rows` lines of `columns` characters,
/// then an empty line, then the same grid in colour letters (k r g y b m c w for
/// the eight colours, '.' where no cell was drawn). Every line ends in '\n'.
/// A cell lies at its position less `view_corner`, rounded to the nearest
/// whole cell, as drawCell places its glyph; of cells at one place the last
/// drawn shows; cells outside the grid are left out; an empty place is ' '.
/// Tabs and line ends show as ' ' (the display draws no glyph for them), other
/// characters outside printable ASCII as '?'.
/// Fewer than one column or row gives just the empty line.
std::string renderCells(const std::vector<CellRecord>& cells, int columns, int rows,
                        Vector view_corner = Vector());

}  // namespace vl
