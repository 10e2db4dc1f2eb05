#pragma once

#include <vector>

#include "vl/world/Box.h"
#include "vl/world/WorldEntry.h"

namespace vl {

class Object;

/// A uniform grid of cells over the world that files each colliding object in
/// the cells its box covers, so that a move looks only at the objects near the
/// mover instead of at every object. Boxes outside the world are filed in the
/// border cells, so every box is found wherever it lies. The grid never owns
/// the objects; WorldManager files and unfiles them as they change.
class CollisionGrid {
  public:
    /// Lays cells over bounds and forgets every filed object (their entries
    /// must be reset by the caller). Bounds that are empty or not finite give
    /// one cell that holds everything.
    void reset(const Box& bounds);

    /// Files the object by its translated box, or refiles it after its box
    /// moved or changed. An object whose box corner is NaN meets no box and is
    /// not filed.
    void file(Object& object);
    /// Takes the object out of the grid; nothing happens when it is not filed.
    void unfile(Object& object);

    /// Appends to found every filed object other than mover whose translated
    /// box overlaps box, each once, in no particular order. False, leaving
    /// found as it was, when box covers so many cells that reading the whole
    /// object list costs less.
    bool collect(const Box& box, const Object* mover, std::vector<Object*>& found) const;

  private:
    /// A filed object's translated box, kept beside the others so that a
    /// search reads a small table instead of the objects themselves.
    struct Slot {
        Box box;
        int first_column = 0;
        int first_row = 0;
        Object* object = nullptr;
    };

    /// The cells a box can meet; false when it meets nothing.
    bool spanOf(const Box& box, CellSpan& span) const;
    std::vector<int>& cellAt(int column, int row) {
        return cells[static_cast<std::size_t>(row * columns + column)];
    }
    const std::vector<int>& cellAt(int column, int row) const {
        return cells[static_cast<std::size_t>(row * columns + column)];
    }
    void enter(int slot, GridFiling filing, const CellSpan& span);
    void leave(int slot, GridFiling filing, const CellSpan& span);

    float origin_x = 0;
    float origin_y = 0;
    float cell_width = 1;
    float cell_height = 1;
    int columns = 1;
    int rows = 1;
    std::vector<std::vector<int>> cells = std::vector<std::vector<int>>(1);
    std::vector<int> oversized;
    std::vector<Slot> slots;
    std::vector<int> free_slots;
};

}  // namespace vl
