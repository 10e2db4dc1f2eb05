#pragma once

#include <cstdint>

namespace vl {

/// A span of grid cells, first to last on each axis, both included.
struct CellSpan {
    int first_column = 0;  ///< leftmost column
    int first_row = 0;     ///< top row
    int last_column = -1;  ///< rightmost column
    int last_row = -1;     ///< bottom row

    /// Whether both spans cover the same cells.
    bool operator==(const CellSpan& other) const {
        return first_column == other.first_column && first_row == other.first_row &&
               last_column == other.last_column && last_row == other.last_row;
    }
    /// How many cells the span covers.
    long cellCount() const {
        return static_cast<long>(last_column - first_column + 1) * (last_row - first_row + 1);
    }
};

/// Where an object stands in the world's collision grid.
enum class GridFiling {
    Unfiled,    ///< not filed: out of the world, Intangible, or a box that meets nothing
    Cells,      ///< filed in every cell of its span
    Oversized,  ///< too large for the cells: kept on a list every search reads
};

/// The world's bookkeeping for one object, kept inside the object so that the
/// world reaches it without a search. Only WorldManager and CollisionGrid read
/// or write it.
struct WorldEntry {
    /// How many entries of the world's object list point at the object.
    int entries = 0;
    /// Rises with every entry into the list, so it orders objects as the list does.
    std::uint64_t order = 0;
    /// The object's place in the grid's table of filed boxes; -1 when unfiled.
    int slot = -1;
    /// How the object is filed in the grid.
    GridFiling filing = GridFiling::Unfiled;
    /// The cells it is filed in, when filed in cells.
    CellSpan span;
};

}  // namespace vl
