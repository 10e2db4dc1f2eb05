#include "vl/world/CollisionGrid.h"

#include <algorithm>
#include <cmath>

#include "vl/world/Object.h"

namespace vl {

namespace {

// Cells of two by two world cells hold a few of the game's 1- to 3-cell boxes
// each, so a search reads a handful of objects.
constexpr float kCellSize = 2;
// Keeps the grid's memory small for a very large world.
constexpr int kMostCellsAcross = 128;
// A box spanning more cells than this is kept on the oversized list: filing it
// in every cell would cost more than one extra test per search.
constexpr long kMostCellsFiled = 16;
// A search over more cells than this reads the whole object list instead.
constexpr long kMostCellsSearched = 64;

// The cell along one axis that holds v. Values before the first cell or past
// the last fall in the border cells; the mapping never decreases, so two
// ranges that meet cover at least one cell in common.
int cellIndex(float v, float origin, float cell, int count) {
    const float offset = (v - origin) / cell;
    if (!(offset >= 0)) {
        return 0;
    }
    if (offset >= static_cast<float>(count)) {
        return count - 1;
    }
    return static_cast<int>(offset);
}

// The cells that [start, start + length] can meet, as boxesOverlap sees it: a
// range with a negative or NaN length meets only at its start, and one with a
// NaN start meets nothing.
bool axisSpan(float start, float length, float origin, float cell, int count, int& first,
              int& last) {
    if (std::isnan(start)) {
        return false;
    }
    const float end = start + length;
    const float low = std::isnan(end) ? start : std::min(start, end);
    const float high = std::isnan(end) ? start : std::max(start, end);
    first = cellIndex(low, origin, cell, count);
    last = cellIndex(high, origin, cell, count);
    return true;
}

bool isUsable(float v) {
    return std::isfinite(v);
}

void removeFrom(std::vector<int>& list, int slot) {
    const auto found = std::find(list.begin(), list.end(), slot);
    if (found != list.end()) {
        *found = list.back();
        list.pop_back();
    }
}

}  // namespace

void CollisionGrid::reset(const Box& bounds) {
    const bool usable = isUsable(bounds.corner.x) && isUsable(bounds.corner.y) &&
                        isUsable(bounds.horizontal) && isUsable(bounds.vertical) &&
                        bounds.horizontal > 0 && bounds.vertical > 0;
    origin_x = usable ? bounds.corner.x : 0;
    origin_y = usable ? bounds.corner.y : 0;
    const float width = usable ? bounds.horizontal : kCellSize;
    const float height = usable ? bounds.vertical : kCellSize;
    cell_width = std::max(kCellSize, width / kMostCellsAcross);
    cell_height = std::max(kCellSize, height / kMostCellsAcross);
    columns = std::max(1, static_cast<int>(std::ceil(width / cell_width)));
    rows = std::max(1, static_cast<int>(std::ceil(height / cell_height)));
    cells.assign(static_cast<std::size_t>(columns * rows), std::vector<int>());
    oversized.clear();
    slots.clear();
    free_slots.clear();
}

bool CollisionGrid::spanOf(const Box& box, CellSpan& span) const {
    return axisSpan(box.corner.x, box.horizontal, origin_x, cell_width, columns, span.first_column,
                    span.last_column) &&
           axisSpan(box.corner.y, box.vertical, origin_y, cell_height, rows, span.first_row,
                    span.last_row);
}

void CollisionGrid::file(Object& object) {
    WorldEntry& entry = object.world_entry;
    const Box box = object.translatedBox();
    CellSpan span;
    if (!spanOf(box, span)) {
        unfile(object);
        return;
    }
    const GridFiling filing =
        span.cellCount() > kMostCellsFiled ? GridFiling::Oversized : GridFiling::Cells;
    if (entry.slot < 0) {
        if (free_slots.empty()) {
            free_slots.push_back(static_cast<int>(slots.size()));
            slots.emplace_back();
        }
        entry.slot = free_slots.back();
        free_slots.pop_back();
    }
    Slot& slot = slots[static_cast<std::size_t>(entry.slot)];
    slot.box = box;
    slot.first_column = span.first_column;
    slot.first_row = span.first_row;
    slot.object = &object;
    if (filing == entry.filing && (filing == GridFiling::Oversized || span == entry.span)) {
        return;
    }
    leave(entry.slot, entry.filing, entry.span);
    enter(entry.slot, filing, span);
    entry.filing = filing;
    entry.span = span;
}

void CollisionGrid::unfile(Object& object) {
    WorldEntry& entry = object.world_entry;
    if (entry.slot < 0) {
        return;
    }
    leave(entry.slot, entry.filing, entry.span);
    free_slots.push_back(entry.slot);
    entry.slot = -1;
    entry.filing = GridFiling::Unfiled;
}

void CollisionGrid::enter(int slot, GridFiling filing, const CellSpan& span) {
    if (filing == GridFiling::Oversized) {
        oversized.push_back(slot);
        return;
    }
    for (int row = span.first_row; row <= span.last_row && filing == GridFiling::Cells; ++row) {
        for (int column = span.first_column; column <= span.last_column; ++column) {
            cellAt(column, row).push_back(slot);
        }
    }
}

void CollisionGrid::leave(int slot, GridFiling filing, const CellSpan& span) {
    if (filing == GridFiling::Oversized) {
        removeFrom(oversized, slot);
        return;
    }
    for (int row = span.first_row; row <= span.last_row && filing == GridFiling::Cells; ++row) {
        for (int column = span.first_column; column <= span.last_column; ++column) {
            removeFrom(cellAt(column, row), slot);
        }
    }
}

bool CollisionGrid::collect(const Box& box, const Object* mover,
                            std::vector<Object*>& found) const {
    CellSpan span;
    if (!spanOf(box, span)) {
        return true;
    }
    if (span.cellCount() > kMostCellsSearched) {
        return false;
    }
    for (int row = span.first_row; row <= span.last_row; ++row) {
        for (int column = span.first_column; column <= span.last_column; ++column) {
            for (const int index : cellAt(column, row)) {
                const Slot& slot = slots[static_cast<std::size_t>(index)];
                // A box filed in several cells that the search also covers
                // counts in the first of them only. Tested without branches,
                // like boxesOverlap: most candidates miss, at random.
                const bool first_column = std::max(slot.first_column, span.first_column) == column;
                const bool first_row = std::max(slot.first_row, span.first_row) == row;
                const bool other = slot.object != mover;
                const bool overlap = boxesOverlap(slot.box, box);
                if (first_column & first_row & other & overlap) {
                    found.push_back(slot.object);
                }
            }
        }
    }
    for (const int index : oversized) {
        const Slot& slot = slots[static_cast<std::size_t>(index)];
        if (slot.object != mover && boxesOverlap(slot.box, box)) {
            found.push_back(slot.object);
        }
    }
    return true;
}

}  // namespace vl
