#include "vl/world/ObjectList.h"

#include <algorithm>

namespace vl {

namespace {

// Room made up front: a mover's colliders and a type's matches are usually
// fewer, so a list seldom grows more than once.
constexpr int kFirstRoom = 16;

}  // namespace

ObjectList::ObjectList(int list_capacity) : capacity(std::max(1, list_capacity)) {
    entries.reserve(static_cast<std::size_t>(std::min(capacity, kFirstRoom)));
}

bool ObjectList::insert(Object* object) {
    if (isFull()) {
        return false;
    }
    entries.push_back(object);
    return true;
}

bool ObjectList::remove(Object* object) {
    const auto found = std::find(entries.begin(), entries.end(), object);
    if (found == entries.end()) {
        return false;
    }
    entries.erase(found);
    return true;
}

bool ObjectList::contains(const Object* object) const {
    return std::find(entries.begin(), entries.end(), object) != entries.end();
}

}  // namespace vl
