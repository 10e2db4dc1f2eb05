#pragma once

#include <array>
#include <cstddef>

namespace vl {

class Object;

constexpr int kObjectListCapacity = 1000;

/// A fixed list of up to kObjectListCapacity object pointers in insertion
/// order, copied whole. It never owns the objects; a copy taken before an
/// iteration (a snapshot) is unaffected by changes to the original.
class ObjectList {
  public:
    ObjectList() = default;
    /// Copies only the entries in use: snapshots are taken every frame.
    ObjectList(const ObjectList& other);
    /// Copies the entries in use.
    ObjectList& operator=(const ObjectList& other);

    /// Appends unless the list is full; a full list drops the pointer and
    /// returns false.
    bool insert(Object* object);
    /// Removes the first entry equal to object, keeping the others' order;
    /// false when there is none.
    bool remove(Object* object);
    /// Empties the list.
    void clear();
    /// Whether any entry equals object.
    bool contains(const Object* object) const;

    /// The number of entries, 0 to kObjectListCapacity.
    int count() const { return used; }
    /// Whether the list holds kObjectListCapacity entries.
    bool isFull() const { return used == kObjectListCapacity; }
    /// The entry at index, which must be 0 to count() - 1.
    Object* operator[](int index) const { return entries[static_cast<std::size_t>(index)]; }

  private:
    int used = 0;
    /// Entries from used on are never read, so they are left uninitialised.
    std::array<Object*, kObjectListCapacity> entries;
};

}  // namespace vl
