#pragma once

#include <vector>

namespace vl {

class Object;

/// The capacity of a list, and of the world, unless set otherwise.
constexpr int kObjectListCapacity = 1000;

/// A list of up to a fixed number of object pointers in insertion order,
/// copied whole. It never owns the objects; a copy taken before an iteration
/// (a snapshot) is unaffected by changes to the original.
class ObjectList {
  public:
    /// An empty list that holds up to kObjectListCapacity entries.
    ObjectList() : ObjectList(kObjectListCapacity) {}
    /// An empty list that holds up to capacity entries (at least 1).
    explicit ObjectList(int capacity);

    /// Appends unless the list is full; a full list drops the pointer and
    /// returns false.
    bool insert(Object* object);
    /// Removes the first entry equal to object, keeping the others' order;
    /// false when there is none.
    bool remove(Object* object);
    /// Empties the list.
    void clear() { entries.clear(); }
    /// Whether any entry equals object.
    bool contains(const Object* object) const;

    /// The number of entries, 0 to getCapacity().
    int count() const { return static_cast<int>(entries.size()); }
    /// The most entries the list holds.
    int getCapacity() const { return capacity; }
    /// Whether the list holds getCapacity() entries.
    bool isFull() const { return count() == capacity; }
    /// The entry at index, which must be 0 to count() - 1.
    Object* operator[](int index) const { return entries[static_cast<std::size_t>(index)]; }

    /// The first entry, for range-for: `for (vl::Object* o : list)`.
    std::vector<Object*>::const_iterator begin() const { return entries.begin(); }
    /// Past the last entry.
    std::vector<Object*>::const_iterator end() const { return entries.end(); }

  private:
    int capacity = kObjectListCapacity;
    std::vector<Object*> entries;
};

}  // namespace vl
